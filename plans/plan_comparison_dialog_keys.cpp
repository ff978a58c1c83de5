// The plan comparison dialog's keys: one tab stop per table, Enter applying what the focus is on,
// and the budget shown as an amount once left.

#include "plans/plan_comparison_dialog.h"

#include "calc/amount_text.h"
#include "text/qt_text.h"
#include "ui_plan_comparison_dialog.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace carloan {
namespace {

bool is_enter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

bool plan_comparison_dialog::eventFilter(QObject* watched, QEvent* event) {
    // The budget is an amount like 差引残高, and shown as one once left: "3万" becomes 30,000.
    if (event->type() == QEvent::FocusOut && watched == ui_->budget_field &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        const std::optional<std::string> text =
            ten_thousands_read(field_cp932(ui_->budget_field->text(), input_read_limit));
        if (text && !text->empty()) {
            ui_->budget_field->setText(from_cp932(amount_text(*text, amount_width)));
        }
    }
    // A table would keep Ctrl+Tab to itself; it leaves the table as Tab does.
    if (event->type() == QEvent::KeyPress &&
        (watched == ui_->plan_table || watched == ui_->answer_table)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    if (is_enter(event)) {
        // Taken here, so that it never reaches the default button (比較).
        if (watched == ui_->plan_table) {
            use_count();
            return true;
        }
        if (watched == ui_->answer_table) {
            use_answer();
            return true;
        }
        if (watched == ui_->budget_field) {
            (this->*last_search_)();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace carloan
