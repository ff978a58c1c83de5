#include "schedule/schedule_page.h"

#include "schedule/expand.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace carloan {
namespace {

constexpr local_time print_day{2026, 12, 8, 16, 50, 38};
constexpr int font_dots = 108;
// The printable area of both A4 and Letter paper with a quarter-inch margin all round.
constexpr int printable_width = 4662;
constexpr int printable_height = 6300;

std::string sjis(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

quote_record quote_of(std::int32_t payments) {
    quote_record r{};
    r.payment_count = payments;
    r.loan_amount = payments * 10000;
    r.first_payment = 10000;
    r.later_payment = 10000;
    r.later_count = payments - 1;
    r.net_balance = r.loan_amount;
    r.cycle_mode = 1;
    return r;
}

int right_edge(const page_string& s) {
    return s.x + static_cast<int>(s.text.size()) * half_width_dots;
}

const page_string* find_text(const std::vector<page_string>& page, const std::string& text) {
    for (const page_string& s : page) {
        if (s.text == text) {
            return &s;
        }
    }
    return nullptr;
}

TEST(schedule_pages, spread_every_listed_line_once_over_pages_that_fit_the_paper) {
    struct row {
        std::int32_t payments;
        std::size_t pages;
    } rows[] = {{0, 1}, {1, 1}, {26, 1}, {27, 2}, {67, 2}, {68, 3}, {420, 11}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.payments);
        const quote_record record = quote_of(r.payments);
        const expansion listed = expand(record, {"2024", "5", "", "", "", ""});
        ASSERT_EQ(listed.message, "");
        const auto pages = schedule_pages(record, payment_rows(listed.rows), print_day);
        ASSERT_EQ(pages.size(), r.pages);

        std::vector<std::string> lines;
        for (std::size_t n = 0; n < pages.size(); ++n) {
            const std::vector<page_string>& page = pages[n];
            const page_string* caption = find_text(page, sjis("返済後残高"));
            ASSERT_NE(caption, nullptr) << "page " << n + 1;
            EXPECT_EQ(page.back().text,
                      std::to_string(n + 1) + " / " + std::to_string(pages.size()));
            int previous_y = -font_dots;
            for (const page_string& s : page) {
                EXPECT_GE(s.x, 0) << s.text;
                EXPECT_LE(right_edge(s), printable_width) << s.text;
                EXPECT_LE(s.y + font_dots, printable_height) << s.text;
                if (s.y > caption->y && &s != &page.back()) {
                    EXPECT_GE(s.y - previous_y, font_dots) << "lines overlap: " << s.text;
                    EXPECT_EQ(right_edge(s), right_edge(*caption)) << s.text;
                    previous_y = s.y;
                    lines.push_back(s.text);
                }
            }
            EXPECT_LT(previous_y + font_dots, page.back().y) << "the foot overlaps a line";
        }
        EXPECT_EQ(lines, listed.lines);
    }
}

TEST(schedule_pages, first_page_heads_with_the_customer_and_the_figures) {
    struct row {
        const char* customer;
        std::int32_t bonus_method;
        const char* bonus_label;
    } rows[] = {
        {"山田", 0, "    ボーナス月加算金額 "},
        {"", 1, "    ボーナス月返済金額 "},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.customer);
        quote_record record = quote_of(60);
        record.bonus_method = r.bonus_method;
        write_slot(record.customer_name, sjis(r.customer));
        const expansion listed = expand(record, {"2024", "5", "", "", "", ""});
        const auto pages = schedule_pages(record, payment_rows(listed.rows), print_day);
        const std::vector<page_string>& first = pages.front();

        EXPECT_NE(find_text(first, sjis("ご返済明細")), nullptr);
        EXPECT_NE(find_text(first, "2026/12/ 8"), nullptr);
        EXPECT_EQ(find_text(first, sjis("山田 様")) != nullptr, *r.customer != '\0');
        EXPECT_NE(find_text(first, sjis(r.bonus_label)), nullptr);
        EXPECT_EQ(find_text(pages[1], sjis("ご返済明細")), nullptr) << "heading on page 1 only";

        // The figures end where the listed amounts end.
        const page_string* balance_caption = find_text(first, sjis("返済後残高"));
        for (const std::string& value :
             {amount_value(record.net_balance), amount_value(record.loan_fee),
              amount_value(record.loan_amount), count_value(record.payment_count),
              installment_value(record.first_payment, 1),
              installment_value(record.later_payment, record.later_count),
              installment_value(record.bonus_payment, record.bonus_count)}) {
            const page_string* shown = find_text(first, value);
            ASSERT_NE(shown, nullptr) << cp932_to_utf8(value);
            EXPECT_EQ(right_edge(*shown), right_edge(*balance_caption));
        }
    }
}

}  // namespace
}  // namespace carloan
