#pragma once
// The repayment schedule dialog, opened by 明細 after the calculation: the clerk enters when
// repayment starts and when bonuses fall, and 展開 lists the quote month by month. It moves texts
// between its fields and the expansion; the expansion itself lives in schedule/expand.h. What is
// listed can be printed, saved as a PDF and saved as a CSV file. Enter lists (展開); only
// 閉じる ends it.

#include "schedule/expand.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace Ui {
class schedule_dialog;
}

namespace carloan {

struct session_state;

class schedule_dialog : public QDialog {
    Q_OBJECT

  public:
    // Fills the fields from the session's quote record; the list starts empty.
    schedule_dialog(session_state& session, QWidget* parent = nullptr);
    ~schedule_dialog() override;

    // The six editable fields as code page 932 texts, each read as far as a field read goes.
    schedule_entries entries() const;

    // Replaces the list by these code page 932 lines, in order.
    void set_lines(const std::vector<std::string>& lines);

    // 展開: stores the entries and the rows in the session, then lists them or shows the message.
    void expand_schedule();

  private:
    void show_record();
    void align_captions();
    void print_listed();
    void save_pdf();
    void save_csv();
    QString file_name() const;

    std::unique_ptr<Ui::schedule_dialog> ui_;
    session_state& session_;
    // The payments the list shows; a later expansion that ends with a message leaves them.
    std::vector<schedule_row> listed_;
};

void run_schedule_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
