#include "plans/plan_page.h"

#include "calc/amount_text.h"
#include "print/estimate_page.h"

#include <algorithm>
#include <string>

namespace carloan {
namespace {

constexpr int label_x = 200;
constexpr int first_cell_x = 1100;
constexpr int cell_bytes = 14;
constexpr int cell_pitch = (cell_bytes + 1) * half_width_dots;
// The estimate's label and value columns, for the lines the two pages share.
constexpr int figure_label_x = 500;
constexpr int figure_value_x = 1900;
constexpr int first_figure_line = 12;

int line(std::size_t n) {
    return line_pitch * static_cast<int>(n);
}

std::string trimmed(std::string_view text) {
    return blank_removal(text);
}

// "32,200×35回", as the window shows an amount with its count.
std::string times_count(std::string_view amount, std::string_view count) {
    return trimmed(amount) + page_text("×") + trimmed(count) + page_text("回");
}

struct page_row {
    std::string label;
    std::string (*cell)(const calc_result&);
};

std::vector<page_row> page_rows(std::int32_t bonus_method, bool residual_plans) {
    std::vector<page_row> rows{
        {page_text("融資手数料"), [](const calc_result& r) { return trimmed(r.loan_fee_text); }},
        {page_text("お支払い合計額"),
         [](const calc_result& r) { return trimmed(r.loan_amount_text); }},
        {page_text("第１回目"), [](const calc_result& r) { return trimmed(r.first_payment_text); }},
        {page_text("第２回目以降"),
         [](const calc_result& r) {
             return times_count(r.later_payment_text, r.later_count_text);
         }},
        {page_text(bonus_method == 1 ? "ボーナス月返済" : "ボーナス月加算"),
         [](const calc_result& r) {
             return times_count(r.bonus_payment_text, r.bonus_times_text);
         }},
    };
    if (residual_plans) {
        rows.push_back({page_text("最終回（残価）"),
                        [](const calc_result& r) { return trimmed(r.final_payment_text); }});
    }
    return rows;
}

// Right-aligned by position, so that a cell too wide for its column still ends where the others
// do.
page_string cell_at(std::size_t column_in_block, std::size_t table_line, std::string cell) {
    const int right = first_cell_x + static_cast<int>(column_in_block) * cell_pitch +
                      cell_bytes * half_width_dots;
    return {right - static_cast<int>(cell.size()) * half_width_dots, line(table_line),
            std::move(cell)};
}

}  // namespace

std::vector<page_string> plan_comparison_page(std::span<const plan_column> columns,
                                              std::int32_t bonus_method, const quote_record& record,
                                              const branch_settings& settings,
                                              std::string_view customer_name, const local_time& now,
                                              bool residual_plans) {
    std::vector<page_string> page;
    page.push_back({3200, line(4), date_line(now)});
    if (residual_plans) {
        page.push_back({1360, line(5), page_text(residual_plan_page_title)});
    } else {
        page.push_back({1760, line(5), page_text(plan_page_title)});
    }
    if (!customer_name.empty()) {
        page.push_back({label_x, line(6), std::string(customer_name) + page_text(" 様")});
    }
    for (page_string& identity : branch_identity_lines(settings)) {
        page.push_back(std::move(identity));
    }

    std::size_t figure_line = first_figure_line;
    page.push_back({figure_label_x, line(figure_line), page_text("    お借入金額         ")});
    page.push_back({figure_value_x, line(figure_line), amount_value(record.net_balance)});
    if (record.show_rate == 1) {
        ++figure_line;
        page.push_back({figure_label_x, line(figure_line), page_text("    融資利率（年率）   ")});
        page.push_back({figure_value_x, line(figure_line), rate_value(record)});
    }

    const std::vector<page_row> rows = page_rows(bonus_method, residual_plans);
    const std::string none = page_text("－");
    std::size_t table_line = figure_line + 2;
    for (std::size_t block = 0; block < columns.size(); block += plan_page_block_columns) {
        const std::size_t end = std::min(columns.size(), block + plan_page_block_columns);
        page.push_back({label_x, line(table_line), page_text("お支払い回数")});
        for (std::size_t column = block; column < end; ++column) {
            page.push_back(
                cell_at(column - block, table_line,
                        std::to_string(columns[column].payment_count) + page_text("回")));
        }
        ++table_line;
        for (const page_row& row : rows) {
            page.push_back({label_x, line(table_line), row.label});
            for (std::size_t column = block; column < end; ++column) {
                const std::optional<calc_result>& result = columns[column].outcome.result;
                page.push_back(
                    cell_at(column - block, table_line, result ? row.cell(*result) : none));
            }
            ++table_line;
        }
        ++table_line;
    }

    for (page_string& note : note_lines(settings, static_cast<int>(table_line))) {
        page.push_back(std::move(note));
    }
    return page;
}

}  // namespace carloan
