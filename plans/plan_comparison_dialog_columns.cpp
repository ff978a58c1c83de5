// The plan comparison dialog's comparison: the counts side by side, and the one chosen.

#include "plans/plan_comparison_dialog.h"

#include "calc/amount_text.h"
#include "calc/price_lines.h"
#include "plans/plan_tables.h"
#include "text/qt_text.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_plan_comparison_dialog.h"

#include <QItemSelectionModel>
#include <QTableWidget>

#include <string>

namespace carloan {

void plan_comparison_dialog::compare() {
    const std::optional<std::string> list = to_cp932(ui_->counts_field->text());
    const auto parsed = parse_payment_counts(list.value_or("?"));
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        show_message(this, message_caption, utf8(*message));
        return;
    }
    const auto& counts = std::get<std::vector<std::int32_t>>(parsed);
    if (residual_plans()) {
        const std::optional<std::int32_t> vehicle_price = vehicle_price_of(session_.price_lines);
        columns_ = compare_residual_plans(inputs_, session_.flags, counts, session_.residual_text,
                                          vehicle_price);
    } else {
        columns_ = compare_plans(inputs_, session_.flags, counts);
    }
    show_columns();
}

void plan_comparison_dialog::show_columns() {
    std::vector<QString> messages;
    QStringList names;
    for (const plan_column& column : columns_) {
        messages.push_back(utf8(column.outcome.message));
        names << column_name(column.payment_count);
    }
    QTableWidget* table = ui_->plan_table;
    fill_table(table, plan_rows(columns_, session_.flags, residual_plans()), names, messages);

    // The count the form holds starts chosen, so that この回数で計算 does what the clerk expects.
    table->clearSelection();
    const std::int32_t current = leading_integer(inputs_.payment_count_text);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].payment_count == current) {
            table->setCurrentCell(0, static_cast<int>(c));
            table->selectColumn(static_cast<int>(c));
            break;
        }
    }
    show_usable_count();
    // Wide enough for every column, as far as the screen allows.
    adjustSize();
}

std::optional<std::size_t> plan_comparison_dialog::chosen_column() const {
    const QModelIndexList chosen = ui_->plan_table->selectionModel()->selectedColumns();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(chosen.front().column());
}

// A refused column has no quote to apply.
void plan_comparison_dialog::show_usable_count() {
    const std::optional<std::size_t> chosen = chosen_column();
    ui_->use_count_button->setEnabled(chosen && *chosen < columns_.size() &&
                                      columns_[*chosen].outcome.result.has_value());
}

void plan_comparison_dialog::use_count() {
    if (!ui_->use_count_button->isEnabled()) {
        return;
    }
    const plan_column& column = columns_.at(*chosen_column());
    choice_ = plan_choice{std::to_string(column.payment_count), {}};
    accept();
}

// A residual set in 残価設定 turns every column into a residual plan of that residual.
bool plan_comparison_dialog::residual_plans() const {
    return !session_.residual_text.empty();
}

}  // namespace carloan
