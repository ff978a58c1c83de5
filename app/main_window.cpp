// The main window put together: the program's own steps and the form's fields wired to them. The
// commands, their steps, the labels and the reformatting of amounts each have a file of their own.

#include "app/main_window.h"

#include "app/main_window_fields.h"
#include "app/main_window_texts.h"
#include "plans/plan_comparison_dialog.h"
#include "plans/residual_dialog.h"
#include "print/print_confirmation_dialog.h"
#include "print/print_estimate.h"
#include "schedule/schedule_dialog.h"
#include "storage/branch_settings_dialog.h"
#include "storage/open_dialog.h"
#include "storage/quote_extension.h"
#include "storage/quote_file.h"
#include "storage/save_name_dialog.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/window_icon.h"

#include "ui_main_window.h"

#include <QKeySequence>
#include <QPushButton>

#include <utility>

namespace carloan {

using namespace main_window_fields;
using namespace main_window_texts;

main_window_steps main_window_steps::program() {
    return {.schedule_dialog = run_schedule_dialog,
            .plans_dialog = run_plan_comparison_dialog,
            .print_confirmation_dialog = run_print_confirmation_dialog,
            .print = print_estimate,
            .save_name_dialog = run_save_name_dialog,
            .open_dialog = run_open_dialog,
            .branch_settings_dialog = run_branch_settings_dialog,
            .residual_dialog = run_residual_dialog,
            .save = save_quote_with_extension,
            .open = open_quote_with_extension};
}

main_window::main_window(session_state& session, main_window_steps steps, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::main_window>()),
      session_(session),
      steps_(std::move(steps)) {
    ui_->setupUi(this);
    setWindowIcon(program_icon());

    for (const field_control& control : field_controls) {
        QLineEdit* line = ui_.get()->*control.widget;
        line->installEventFilter(this);
        if (!line->isReadOnly()) {
            line->setValidator(new cp932_validator(line));
            accept_full_width_digits(line);
            // Typing is a notification of the form like any other: it clears the status.
            connect(line, &QLineEdit::textEdited, this, &main_window::clear_status);
            connect(line, &QLineEdit::textEdited, this, &main_window::input_changed);
        } else {
            // Tells an output from the input of the same name (ボーナス月返済 under the total
            // method) when a screen reader announces it.
            line->setAccessibleDescription(figures_description);
        }
    }
    // Enter on a switch calculates, as anywhere else in the form, instead of switching again.
    for (QPushButton* toggle : {ui_->cycle_toggle, ui_->method_toggle}) {
        toggle->setAutoDefault(false);
        toggle->setAccessibleDescription(QStringLiteral("切替え"));
    }

    on_click(ui_->calculate_button, &main_window::calculate_command);
    on_click(ui_->schedule_button, &main_window::schedule_command);
    on_click(ui_->plans_button, &main_window::plans_command);
    on_click(ui_->print_button, &main_window::print_command);
    on_click(ui_->save_button, &main_window::save_command);
    on_click(ui_->open_button, &main_window::open_command);
    on_click(ui_->quit_button, &main_window::quit_command);
    on_click(ui_->settings_button, &main_window::branch_settings_command);
    on_click(ui_->cycle_toggle, &main_window::toggle_cycle);
    on_click(ui_->method_toggle, &main_window::toggle_method);
    on_click(ui_->residual_button, &main_window::residual_command);
    // One key from any field, so that the form's own layout and tab order stay as they were.
    ui_->residual_button->setShortcut(QKeySequence(Qt::Key_F8));

    show_flags();
    clear_status();
    ui_->rate_field->setFocus();
    show_title();
    take_as_saved();
}

main_window::~main_window() = default;

QLineEdit* main_window::field(int control) const {
    for (const field_control& candidate : field_controls) {
        if (candidate.number == control) {
            return ui_.get()->*candidate.widget;
        }
    }
    return nullptr;
}

void main_window::on_click(QAbstractButton* button, void (main_window::*command)()) {
    connect(button, &QAbstractButton::clicked, this, [this, command] {
        clear_status();
        (this->*command)();
    });
}

}  // namespace carloan
