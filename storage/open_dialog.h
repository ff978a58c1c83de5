#pragma once
// The open dialog: it lists the quote folder, chooses the quote to open and deletes quote files.
// It does not read a quote; the main window's open does.

#include <QDialog>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace Ui {
class open_dialog;
}

namespace carloan {

struct session_state;

// Control numbers of forms/open_dialog.ui.
namespace open_control {
inline constexpr int ok = 1;      // OK, the default button
inline constexpr int cancel = 2;  // ｷｬﾝｾﾙ, Esc and the close box
}  // namespace open_control

// Lists the quote files of `folder` and lets the clerk pick one to open or delete one. OK sets
// the session's quote name and path to the named file exactly as typed or picked (no ".car" is
// added) and closes, as a double click on a listed name does; 削除 deletes the named file once
// the clerk confirms and lists the folder again. Cancelling leaves "?????". It reads no quote.
class open_dialog : public QDialog {
    Q_OBJECT

  public:
    open_dialog(QWidget* parent, session_state& session, std::filesystem::path folder);
    ~open_dialog() override;

    QString name_text() const;

    void reject() override;

  private:
    void list_files();
    void take_selected_name();
    void open_named();
    void delete_named();
    // The name field as a quote name, after setting the session's name and path to it; nothing,
    // with the message shown and the name "?????", when it is empty or names no file of the folder.
    std::optional<std::string> named_file();

    std::unique_ptr<Ui::open_dialog> ui_;
    session_state& session_;
    std::filesystem::path folder_;
};

// Sets the current quote name and path, or "?????" when cancelled.
void run_open_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
