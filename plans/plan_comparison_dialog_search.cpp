// The plan comparison dialog's budget search: the largest balance or the fewest payments within
// a monthly budget, and the answer applied.

#include "plans/plan_comparison_dialog.h"

#include "calc/amount_text.h"
#include "plans/budget_search.h"
#include "plans/plan_tables.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_plan_comparison_dialog.h"

#include <QTableWidget>

#include <string>
#include <utility>

namespace carloan {

std::optional<std::int32_t> plan_comparison_dialog::budget() {
    const auto read = read_budget(field_cp932(ui_->budget_field->text(), input_read_limit));
    if (const auto* message = std::get_if<std::string>(&read)) {
        // An earlier answer belongs to another budget.
        show_answer(std::nullopt, false);
        show_message(this, message_caption, utf8(*message));
        return std::nullopt;
    }
    return std::get<std::int32_t>(read);
}

void plan_comparison_dialog::solve_balance() {
    last_search_ = &plan_comparison_dialog::solve_balance;
    if (const std::optional<std::int32_t> limit = budget()) {
        const std::optional<calc_result> found = largest_balance(inputs_, session_.flags, *limit);
        found ? show_answer(found, true) : show_no_answer(no_balance_reason(inputs_));
    }
}

void plan_comparison_dialog::solve_payments() {
    last_search_ = &plan_comparison_dialog::solve_payments;
    if (const std::optional<std::int32_t> limit = budget()) {
        const std::optional<calc_result> found = fewest_payments(inputs_, session_.flags, *limit);
        found ? show_answer(found, false) : show_no_answer(no_plan_within_budget);
    }
}

void plan_comparison_dialog::show_no_answer(std::string_view reason) {
    show_answer(std::nullopt, false);
    show_message(this, message_caption, utf8(reason));
}

// The answer with its whole quote: the net balance first, then the rows of the comparison.
void plan_comparison_dialog::show_answer(const std::optional<calc_result>& answer,
                                         bool balance_solved) {
    answer_ = answer;
    balance_solved_ = balance_solved;
    ui_->use_answer_button->setEnabled(answer_.has_value());
    std::vector<plan_row> rows;
    if (answer_) {
        const plan_column column{answer_->payment_count, {answer_, {}}};
        rows.push_back({*utf8_to_cp932(balance_solved ? "借入可能額" : "差引残高"),
                        {blank_removal(amount_text(answer_->net_balance, amount_width))}});
        for (plan_row& row : plan_rows({&column, 1}, session_.flags)) {
            rows.push_back(std::move(row));
        }
    }
    fill_table(ui_->answer_table, rows,
               answer_ ? QStringList{column_name(answer_->payment_count)} : QStringList{},
               std::vector<QString>(answer_ ? 1 : 0));
    // An empty table would still take a Tab stop that nothing shows.
    ui_->answer_table->setVisible(answer_.has_value());
    adjustSize();
}

// The answer goes into the field it was found for; the other inputs stay as the clerk typed them.
void plan_comparison_dialog::use_answer() {
    if (!answer_) {
        return;
    }
    choice_ = balance_solved_ ? plan_choice{{}, amount_text(answer_->net_balance, amount_width)}
                              : plan_choice{std::to_string(answer_->payment_count), {}};
    accept();
}

}  // namespace carloan
