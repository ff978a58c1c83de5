#include "plans/plan_page.h"

#include "calc/result_figures.h"
#include "print/estimate_page.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

// Right-aligned by position, so that a cell too wide for its column still ends where the others
// do.
page_string cell_at(std::size_t column_in_block, std::size_t table_line, std::string cell) {
    const int right = first_cell_x + static_cast<int>(column_in_block) * cell_pitch +
                      cell_bytes * half_width_dots;
    return {right - static_cast<int>(cell.size()) * half_width_dots, line(table_line),
            std::move(cell)};
}

// The comparison page writes its labels' digits full-width throughout (第１回目 beside
// 第２回目以降), where the estimate keeps its 第1回目.
std::string full_width_digits(std::string_view label) {
    std::string wide;
    for (const char c : label) {
        if (c >= '0' && c <= '9') {
            wide += "\xEF\xBC";
            wide += static_cast<char>(0x90 + (c - '0'));  // U+FF10 onwards in UTF-8
        } else {
            wide += c;
        }
    }
    return wide;
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

    std::size_t table_line = first_figure_line;
    for (const auto& [label, value] : balance_lines(record, true)) {
        page.push_back({figure_label_x, line(table_line), label});
        page.push_back({figure_value_x, line(table_line), value});
        ++table_line;
    }
    ++table_line;

    // The counts head each block; the rows are the printed figures a result shows as text.
    const std::string count_label = page_text(figure_of(&calc_result::payment_count).printed_label);
    std::vector<std::pair<std::string, const result_figure*>> rows;
    for (const result_figure& figure : result_figures) {
        if (!figure.printed_label.empty() && figure.text != nullptr) {
            rows.emplace_back(page_text(full_width_digits(printed_label(figure, bonus_method))),
                              &figure);
        }
    }
    if (residual_plans) {
        const result_figure& final_payment = figure_of(&calc_result::final_payment);
        rows.emplace_back(page_text(final_payment.label), &final_payment);
    }
    const std::string none = page_text("－");
    for (std::size_t block = 0; block < columns.size(); block += plan_page_block_columns) {
        const std::size_t end = std::min(columns.size(), block + plan_page_block_columns);
        page.push_back({label_x, line(table_line), count_label});
        for (std::size_t column = block; column < end; ++column) {
            page.push_back(
                cell_at(column - block, table_line,
                        std::to_string(columns[column].payment_count) + page_text("回")));
        }
        ++table_line;
        for (const auto& [label, figure] : rows) {
            page.push_back({label_x, line(table_line), label});
            for (std::size_t column = block; column < end; ++column) {
                const std::optional<calc_result>& result = columns[column].outcome.result;
                page.push_back(cell_at(column - block, table_line,
                                       result ? figure_cell(*result, *figure) : none));
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
