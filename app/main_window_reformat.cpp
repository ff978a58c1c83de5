// The main window's focus: the status cleared as the focus moves, the amounts reformatted as
// they are left.

#include "app/main_window.h"

#include "calc/amount_text.h"
#include "calc/calculate.h"
#include "text/qt_text.h"

#include "ui_main_window.h"

#include <QFocusEvent>

namespace carloan {

// A 万 that names no whole number of yen is left as typed, for the calculation to refuse.
void main_window::reformat_amount(QLineEdit* field) {
    const std::optional<std::string> text =
        ten_thousands_read(field_cp932(field->text(), input_read_limit));
    if (text && !text->empty()) {
        field->setText(from_cp932(amount_text(*text, amount_width)));
    }
}

// Focus moving between fields clears the status, as any command does; focus that comes and goes
// with the window itself (a dialog over it, another program) does not, so the status a print
// leaves stays readable. The amount fields are reformatted whenever they lose the focus.
bool main_window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            clear_status();
        }
        if (event->type() == QEvent::FocusOut && reason != Qt::PopupFocusReason &&
            (watched == ui_->net_balance_field || watched == ui_->bonus_amount_field)) {
            reformat_amount(static_cast<QLineEdit*>(watched));
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace carloan
