// The main window's commands, one per button: each a short sequence of named steps.

#include "app/main_window.h"

#include "app/main_window_texts.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include "ui_main_window.h"

#include <QLabel>

namespace carloan {

using namespace main_window_texts;

void main_window::calculate_command() {
    calculate_quote();
}

// The schedule and the printout work from the last completed calculation, so neither looks at
// whether this one stopped on a missing input.
void main_window::schedule_command() {
    calculate_quote();
    steps_.schedule_dialog(this, session_);
}

// Unlike the schedule, the comparison needs a completed quote: it is made of the same inputs.
void main_window::plans_command() {
    if (!calculate_quote()) {
        return;
    }
    const std::optional<plan_choice> choice = steps_.plans_dialog(this, session_, current_inputs());
    if (!choice) {
        return;
    }
    const QString count_before = ui_->payment_count_field->text();
    const QString balance_before = ui_->net_balance_field->text();
    if (!choice->payment_count_text.empty()) {
        ui_->payment_count_field->setText(from_cp932(choice->payment_count_text));
    }
    if (!choice->net_balance_text.empty()) {
        ui_->net_balance_field->setText(from_cp932(choice->net_balance_text));
    }
    // A choice the calculation refuses is taken back, so that the figures shown stay those of
    // the inputs shown.
    if (!calculate_quote()) {
        ui_->payment_count_field->setText(count_before);
        ui_->net_balance_field->setText(balance_before);
    }
}

void main_window::print_command() {
    calculate_quote();
    if (!steps_.print_confirmation_dialog(this, session_)) {
        return;
    }
    show_status(printing_status);
    ui_->status_label->repaint();  // the print keeps the event loop busy
    show_status(steps_.print(this, session_) ? printed_status : print_failed_status);
}

void main_window::save_command() {
    steps_.save_name_dialog(this, session_);
    if (quote_chosen() && save_quote_from_fields()) {
        take_as_saved();
    }
}

void main_window::open_command() {
    steps_.open_dialog(this, session_);
    if (quote_chosen() && open_quote_into_fields()) {
        calculate_quote();
        take_as_saved();
    }
}

void main_window::branch_settings_command() {
    steps_.branch_settings_dialog(this, session_);
}

// The residual plan is quoted in its own dialog; the window's figures stay the ordinary plan's.
void main_window::residual_command() {
    if (!steps_.residual_dialog(this, session_, current_inputs())) {
        return;
    }
    const QString balance = from_cp932(read_slot(session_.record.net_balance_text));
    if (balance != ui_->net_balance_field->text()) {
        ui_->net_balance_field->setText(balance);
        input_changed();
    }
}

void main_window::quit_command() {
    if (may_leave()) {
        done(1);
    }
}

void main_window::reject() {
    clear_status();
    quit_command();
}

// The label shown, not the flag, decides: a quote file may hold a method other than 0 or 1, and
// the toggle then starts from what the clerk sees.
void main_window::toggle_method() {
    session_.flags.bonus_method = ui_->bonus_amount_label->text() == addition_amount_label ? 1 : 0;
    show_flags();
    input_changed();
}

void main_window::toggle_cycle() {
    session_.flags.cycle_mode = ui_->cycle_label->text() == first_cycle_label ? 2 : 1;
    show_flags();
    input_changed();
}

}  // namespace carloan
