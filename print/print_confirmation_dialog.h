#pragma once
// The print confirmation dialog: customer name, remarks and the rate choice before printing. It
// proposes the session's customer name (none for a new quote) and, on OK, writes what is
// confirmed into the session's quote record. It does not print: OK leaves that to the caller.
// プレビュー and PDF保存... show or save the estimate as OK would print it and keep the dialog
// open; a cancelled dialog changes nothing.

#include "storage/quote_record.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace Ui {
class print_confirmation_dialog;
}

namespace carloan {

struct session_state;

// Control numbers of the form's text fields (forms/print_confirmation_dialog.ui).
namespace print_confirmation_control {
inline constexpr int ok = 1;
inline constexpr int cancel = 2;
inline constexpr int customer_name = 1005;
inline constexpr int remark_1 = 1007;
inline constexpr int remark_2 = 1020;
inline constexpr int remark_3 = 1008;
inline constexpr int remark_4 = 1009;
}  // namespace print_confirmation_control

inline constexpr std::size_t remark_limit = 39;

class print_confirmation_dialog : public QDialog {
  public:
    print_confirmation_dialog(QWidget* main_window, session_state& session);
    ~print_confirmation_dialog() override;

  private:
    // The session's record with the fields stored as OK stores them; nothing, with the message
    // shown, when the name is empty.
    std::optional<quote_record> confirmed_record();
    void confirm();
    void preview();
    void save_pdf();

    std::unique_ptr<Ui::print_confirmation_dialog> ui_;
    session_state& session_;
};

// True when confirmed with a customer name, false when cancelled.
bool run_print_confirmation_dialog(QWidget* main_window, session_state& session);

}  // namespace carloan
