#include "schedule/schedule_page.h"

#include "calc/result_figures.h"
#include "print/estimate_page.h"
#include "schedule/expand.h"
#include "text/cp932.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace carloan {
namespace {

// The listed lines are 42 bytes wide; everything lines up on their left and right edges, and
// every page fits the printable area of A4 and of Letter paper. The widest lines, a figure's
// label and value, are centred across A4.
constexpr int a4_width = 4961;
constexpr int list_bytes = 42;
constexpr int label_bytes = 23;
constexpr int list_right = (a4_width + (label_bytes + value_width) * half_width_dots) / 2;
constexpr int list_x = list_right - list_bytes * half_width_dots;
constexpr int value_x = list_right - value_width * half_width_dots;
constexpr int label_x = value_x - label_bytes * half_width_dots;

// The page runs down to the printable area of Letter, the shorter paper (a quarter-inch margin),
// so that the first page holds a three-year quote's 36 payments whole.
constexpr int row_pitch = 128;
constexpr int heading_y = line_pitch;
constexpr int customer_y = heading_y + line_pitch;
constexpr int figures_y = customer_y + line_pitch;
// Every printed figure of the quote is a row, the balance first.
constexpr int figure_rows = static_cast<int>(std::ranges::count_if(
    result_figures, [](const result_figure& figure) { return !figure.printed_label.empty(); }));
constexpr int first_page_captions_y = figures_y + (figure_rows - 1) * row_pitch + line_pitch;
constexpr int later_page_captions_y = line_pitch;
constexpr int last_row_y = 6016;
constexpr int foot_y = 6192;

int rows_below(int captions_y) {
    return (last_row_y - (captions_y + row_pitch)) / row_pitch + 1;
}

int byte_width(const std::string& text) {
    return static_cast<int>(text.size()) * half_width_dots;
}

// Each caption stands over the bytes of its column in a listed line "%3d   %4d/%02d " + 14 + 14:
// numbers and amounts end under their caption's end, the month sits under the middle of its own.
void add_captions(std::vector<page_string>& page, int y) {
    const std::string number = page_text("回目");
    const std::string month = page_text("年／月");
    const std::string paid = page_text("返済額");
    const std::string balance = page_text("返済後残高");
    page.push_back({list_x + 3 * half_width_dots - byte_width(number), y, number});
    page.push_back({list_x + (6 * 2 + 7) * half_width_dots / 2 - byte_width(month) / 2, y, month});
    page.push_back({list_x + 28 * half_width_dots - byte_width(paid), y, paid});
    page.push_back({list_right - byte_width(balance), y, balance});
}

void add_heading(std::vector<page_string>& page, const quote_record& record,
                 const local_time& now) {
    char date[48];
    std::snprintf(date, sizeof date, "%4d/%2d/%2d", now.year, now.month, now.day);
    // The title in the middle and the date at the right share the first line.
    const std::string title = page_text("ご返済明細");
    page.push_back(
        {list_x + (list_bytes * half_width_dots - byte_width(title)) / 2, heading_y, title});
    page.push_back({list_right - byte_width(date), heading_y, date});
    if (const std::string name = read_slot(record.customer_name); !name.empty()) {
        page.push_back({label_x, customer_y, name + page_text(" 様")});
    }

    std::vector<figure_line> figures = balance_lines(record, false);
    for (figure_line& payment : payment_lines(record, record.bonus_method)) {
        figures.push_back(std::move(payment));
    }
    int y = figures_y;
    for (const auto& [label, value] : figures) {
        page.push_back({label_x, y, label});
        page.push_back({value_x, y, value});
        y += row_pitch;
    }
}

}  // namespace

std::vector<std::vector<page_string>> schedule_pages(const quote_record& record,
                                                     std::span<const schedule_row> payments,
                                                     const local_time& now) {
    const std::size_t first_rows = static_cast<std::size_t>(rows_below(first_page_captions_y));
    const std::size_t later_rows = static_cast<std::size_t>(rows_below(later_page_captions_y));
    const std::size_t rest = payments.size() - std::min(payments.size(), first_rows);
    const std::size_t page_count = 1 + (rest + later_rows - 1) / later_rows;

    std::vector<std::vector<page_string>> pages(page_count);
    std::size_t next = 0;
    for (std::size_t index = 0; index < page_count; ++index) {
        std::vector<page_string>& page = pages[index];
        int captions_y = later_page_captions_y;
        if (index == 0) {
            add_heading(page, record, now);
            captions_y = first_page_captions_y;
        }
        add_captions(page, captions_y);
        const std::size_t end =
            std::min(payments.size(), next + (index == 0 ? first_rows : later_rows));
        for (int y = captions_y + row_pitch; next < end; ++next, y += row_pitch) {
            page.push_back({list_x, y, listing_line(static_cast<int>(next + 1), payments[next])});
        }
        const std::string foot = std::to_string(index + 1) + " / " + std::to_string(page_count);
        page.push_back(
            {list_x + (list_bytes * half_width_dots - byte_width(foot)) / 2, foot_y, foot});
    }
    return pages;
}

}  // namespace carloan
