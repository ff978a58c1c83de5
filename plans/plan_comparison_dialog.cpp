// The plan comparison dialog: its controls and their commands, run over the main window. The
// keys, the comparison, the budget search and the printout each have a file of their own.

#include "plans/plan_comparison_dialog.h"

#include "plans/plan_comparison.h"
#include "plans/plan_tables.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/dialog_placement.h"
#include "ui_plan_comparison_dialog.h"

#include <QPushButton>
#include <QTableWidget>

#include <utility>

namespace carloan {

plan_comparison_dialog::plan_comparison_dialog(const session_state& session, calc_inputs inputs,
                                               QWidget* main_window)
    : QDialog(main_window),
      ui_(std::make_unique<Ui::plan_comparison_dialog>()),
      session_(session),
      inputs_(std::move(inputs)) {
    ui_->setupUi(this);
    for (QLineEdit* field : {ui_->counts_field, ui_->budget_field}) {
        field->setValidator(new cp932_validator(field));
        accept_full_width_digits(field);
    }
    ui_->counts_field->setText(utf8(default_compared_counts));
    // One tab stop per table: Tab leaves it, the arrows choose a column, Enter applies it.
    for (QWidget* watched :
         {static_cast<QWidget*>(ui_->plan_table), static_cast<QWidget*>(ui_->answer_table),
          static_cast<QWidget*>(ui_->budget_field)}) {
        watched->installEventFilter(this);
    }
    ui_->plan_table->setTabKeyNavigation(false);
    ui_->answer_table->setTabKeyNavigation(false);

    connect(ui_->compare_button, &QPushButton::clicked, this, &plan_comparison_dialog::compare);
    connect(ui_->use_count_button, &QPushButton::clicked, this, &plan_comparison_dialog::use_count);
    connect(ui_->balance_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::solve_balance);
    connect(ui_->payments_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::solve_payments);
    connect(ui_->use_answer_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::use_answer);
    connect(ui_->print_button, &QPushButton::clicked, this, &plan_comparison_dialog::print);
    connect(ui_->preview_button, &QPushButton::clicked, this, &plan_comparison_dialog::preview);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &plan_comparison_dialog::save_pdf);
    connect(ui_->close_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->plan_table, &QTableWidget::itemSelectionChanged, this,
            &plan_comparison_dialog::show_usable_count);

    compare();
    show_answer(std::nullopt, false);
    move_to_screen_corner(this);
    ui_->counts_field->setFocus();
}

plan_comparison_dialog::~plan_comparison_dialog() = default;

std::optional<plan_choice> run_plan_comparison_dialog(QWidget* main_window,
                                                      const session_state& session,
                                                      const calc_inputs& inputs) {
    plan_comparison_dialog dialog(session, inputs, main_window);
    dialog.exec();
    return dialog.choice();
}

}  // namespace carloan
