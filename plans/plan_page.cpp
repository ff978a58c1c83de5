#include "plans/plan_page.h"

#include <algorithm>
#include <cstdio>

namespace carloan {
namespace {

constexpr int label_x = 200;
constexpr int first_cell_x = 1100;
constexpr int cell_bytes = 14;
constexpr int cell_pitch = (cell_bytes + 1) * half_width_dots;
constexpr int first_table_line = 10;

int line(std::size_t n) {
    return line_pitch * static_cast<int>(n);
}

// The estimate's date line and its right-justified branch name, so the two pages match.
std::string date_line(const local_time& now) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%4d/%2d/%2d   %2d:%2d:%2d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return buffer;
}

std::string right_justified(std::string_view text) {
    std::string out(std::max<std::size_t>(text.size(), value_width) - text.size(), ' ');
    out += text;
    return out;
}

}  // namespace

std::vector<page_string> plan_comparison_page(std::span<const plan_row> rows,
                                              std::string_view customer_name,
                                              std::string_view branch_name, const local_time& now) {
    std::vector<page_string> page;
    page.push_back({3200, line(4), date_line(now)});
    page.push_back({1760, line(5), page_text(plan_page_title)});
    if (!customer_name.empty()) {
        page.push_back({label_x, line(6), std::string(customer_name) + page_text(" 様")});
    }
    page.push_back({2700, line(8), right_justified(branch_name)});

    const std::size_t columns = rows.empty() ? 0 : rows.front().cells.size();
    std::size_t table_line = first_table_line;
    for (std::size_t block = 0; block < columns; block += plan_page_block_columns) {
        const std::size_t end = std::min(columns, block + plan_page_block_columns);
        for (const plan_row& row : rows) {
            page.push_back({label_x, line(table_line), row.label});
            for (std::size_t column = block; column < end; ++column) {
                // Right-aligned by position, so that a cell too wide for its column still ends
                // where the others do.
                const std::string& cell = row.cells[column];
                const int right = first_cell_x + static_cast<int>(column - block) * cell_pitch +
                                  cell_bytes * half_width_dots;
                page.push_back({right - static_cast<int>(cell.size()) * half_width_dots,
                                line(table_line), cell});
            }
            ++table_line;
        }
        ++table_line;
    }
    return page;
}

}  // namespace carloan
