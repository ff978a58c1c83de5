#include "schedule/schedule_page.h"

#include "schedule/expand.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace carloan {
namespace {

// Every listed line once, in order, on pages that fit the printable area of both A4 and Letter
// (a quarter-inch margin all round), never two lines over each other, the foot below the last.
TEST(schedule_pages, spread_every_listed_line_once_over_pages_that_fit_the_paper) {
    constexpr int font_dots = 108;
    const std::string caption = utf8_to_cp932("返済後残高").value();
    struct row {
        std::int32_t payments;
        std::size_t pages;
    } rows[] = {{0, 1}, {36, 1}, {37, 2}, {81, 2}, {82, 3}, {420, 10}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.payments);
        quote_record record{};
        record.payment_count = r.payments;
        record.cycle_mode = 1;
        const expansion listed = expand(record, {"2024", "5", "", "", "", ""});
        const auto pages = schedule_pages(record, payment_rows(listed.rows), {2026, 12, 8});
        ASSERT_EQ(pages.size(), r.pages);

        std::vector<std::string> lines;
        for (std::size_t n = 0; n < pages.size(); ++n) {
            int below = -1;  // y under the last string of the list, once the captions are met
            for (const page_string& s : pages[n]) {
                EXPECT_GE(s.x, 0);
                EXPECT_LE(s.x + static_cast<int>(s.text.size()) * half_width_dots, 4662) << s.text;
                EXPECT_LE(s.y + font_dots, 6300) << s.text;
                if (below >= 0) {
                    EXPECT_GE(s.y, below) << "over the line before: " << s.text;
                    lines.push_back(s.text);
                }
                below = below >= 0 || s.text == caption ? s.y + font_dots : -1;
            }
            ASSERT_FALSE(lines.empty()) << "no captions on page " << n + 1;
            EXPECT_EQ(lines.back(), std::to_string(n + 1) + " / " + std::to_string(pages.size()));
            lines.pop_back();
        }
        EXPECT_EQ(lines, listed.lines);
    }
}

// The first page's widest lines sit in the middle of A4 (the PDF's origin is the paper's corner).
TEST(schedule_pages, are_centred_across_the_paper) {
    constexpr int a4_width = 4961;
    quote_record record{};
    record.payment_count = 12;
    record.cycle_mode = 1;
    const expansion listed = expand(record, {"2024", "5", "", "", "", ""});
    int left = a4_width;
    int right = 0;
    const auto pages = schedule_pages(record, payment_rows(listed.rows), {});
    for (const page_string& s : pages[0]) {
        left = std::min(left, s.x);
        right = std::max(right, s.x + static_cast<int>(s.text.size()) * half_width_dots);
    }
    EXPECT_NEAR(left, a4_width - right, half_width_dots);
}

}  // namespace
}  // namespace carloan
