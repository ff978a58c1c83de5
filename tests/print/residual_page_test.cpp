#include "print/residual_page.h"

#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace carloan {
namespace {

// The rows of the page, label and value, blanks around them left out, in the page's order.
std::vector<std::string> rows_of(const std::vector<page_string>& page) {
    std::vector<std::string> rows;
    for (std::size_t i = 0; i + 1 < page.size(); ++i) {
        if (page[i].x == 500 && page[i + 1].x == 1900 && page[i].y == page[i + 1].y) {
            const auto trim = [](const std::string& text) {
                const auto first = text.find_first_not_of(' ');
                return text.substr(first, text.find_last_not_of(' ') - first + 1);
            };
            rows.push_back(cp932_to_utf8(trim(page[i].text) + " " + trim(page[i + 1].text)));
        }
    }
    return rows;
}

// The worked example quoted from price lines, with and without them, the rate and a bonus.
TEST(residual_page, prints_the_lines_given_and_the_plan) {
    const auto quoted = [](const price_line_texts& lines, const char* bonus, const char* count) {
        const auto result = quote_residual(
            {"4.2", "60", "1906500", "", bonus, count, *bonus ? "6" : ""}, {}, lines, "957000");
        return std::get<residual_quote>(result);
    };
    price_line_texts lines;
    lines.vehicle_price_text = "2000000";
    lines.expenses_text = "206500";
    lines.down_payment_text = "300000";
    quote_record record{};
    write_slot(record.rate_text, "4.2");
    const std::vector<std::string> plain_rows = {"頭金 0円",
                                                 "お借入金額 1,906,500円",
                                                 "お支払回数 60回",
                                                 "初回 23,594円×1回",
                                                 "２回目以降 21,200円×58回",
                                                 "最終回（残価） 957,000円",
                                                 "融資手数料 303,694円",
                                                 "お支払総額 2,210,194円"};
    EXPECT_EQ(rows_of(residual_page(quoted({}, "", ""), record, {}, {}, {})), plain_rows);

    record.show_rate = 1;
    const std::vector<page_string> page =
        residual_page(quoted(lines, "10000", "2"), record, {}, *utf8_to_cp932("山田"), {});
    const std::vector<std::string> rows = rows_of(page);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], "車両本体価格 2,000,000円");
    EXPECT_EQ(rows[4], "現金販売価格 2,206,500円");
    EXPECT_EQ(rows[5], "頭金 300,000円");
    EXPECT_EQ(rows[8], "実質年率 4.2％");
    EXPECT_EQ(rows[12], "ボーナス加算 10,000円×2回");
    EXPECT_EQ(page[1].text, *utf8_to_cp932("残価設定型クレジット お見積書"));
    EXPECT_EQ(page[2].text, *utf8_to_cp932("山田 様"));
}

}  // namespace
}  // namespace carloan
