#include "plans/plan_comparison.h"

#include "plans/plan_page.h"
#include "text/cp932.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace carloan {
namespace {

using ::testing::ElementsAre;

std::string cp932(const char* utf8) {
    return *utf8_to_cp932(utf8);
}

TEST(parse_payment_counts, reads_lists_and_names_what_is_wrong) {
    const std::string bad = "返済回数は1から420で入力して下さい";
    const struct {
        std::string list;
        std::vector<std::int32_t> counts;
        std::string message;
    } cases[] = {
        {"12,24,36", {12, 24, 36}, ""},
        {" 12 , 024,, 36 ,", {12, 24, 36}, ""},
        {cp932("１２，２４、３６　"), {12, 24, 36}, ""},
        {"12 24  36", {12, 24, 36}, ""},
        {cp932("２４，４８、６０　７２"), {24, 48, 60, 72}, ""},
        {"1,420,1", {1, 420, 1}, ""},
        {"1,2,3,4,5,6,7,8,9,10,11,12", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, ""},
        {"0", {}, bad},
        {"421", {}, bad},
        {"abc", {}, bad},
        {"-5", {}, bad},
        {"99999999999", {}, bad},
        {cp932("１２回"), {}, bad},
        {"", {}, "比較する返済回数が未入力です"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13", {}, "比較できる返済回数は12個までです"},
    };
    for (const auto& c : cases) {
        const auto parsed = parse_payment_counts(c.list);
        if (c.message.empty()) {
            ASSERT_TRUE(std::holds_alternative<std::vector<std::int32_t>>(parsed)) << c.list;
            EXPECT_EQ(std::get<std::vector<std::int32_t>>(parsed), c.counts) << c.list;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.list;
            EXPECT_EQ(std::get<std::string>(parsed), c.message) << c.list;
        }
    }
    EXPECT_TRUE(std::holds_alternative<std::vector<std::int32_t>>(
        parse_payment_counts(default_compared_counts)));
}

// Cells as the main window shows the figures, blanks trimmed; a refused column shows dashes.
TEST(plan_rows, show_each_figure_as_the_main_window_does) {
    const calc_inputs inputs{"9.9", "", "2,000,000", "", "90,000", "10", "6"};
    const current_flags total{1, 1};
    const std::int32_t counts[] = {60};
    std::vector<plan_row> rows = plan_rows(compare_plans(inputs, total, counts), total);
    std::vector<std::string> labels;
    std::vector<std::string> cells;
    for (const plan_row& row : rows) {
        labels.push_back(cp932_to_utf8(row.label));
        cells.push_back(cp932_to_utf8(row.cells.at(0)));
    }
    EXPECT_THAT(labels, ElementsAre("返済回数", "融資手数料", "融資額", "１回目", "２回目以降",
                                    "ボーナス月返済", "Ｓ１均等比較"));
    EXPECT_THAT(cells, ElementsAre("60回", "552,616", "2,552,616", "35,616", "33,000×49回",
                                   "90,000×10回", "8,816"));

    calc_inputs no_rate = inputs;
    no_rate.rate_text.clear();
    rows = plan_rows(compare_plans(no_rate, {}, counts), {});
    EXPECT_EQ(cp932_to_utf8(rows[5].label), "ボーナス月加算");
    EXPECT_EQ(cp932_to_utf8(rows[0].cells[0]), "60回");
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(cp932_to_utf8(rows[i].cells[0]), "－");
    }
}

// A term that cannot hold the form's bonuses (the first with the deferment's payment, then one
// every six months) is refused, whatever the calculation made of it.
TEST(compare_plans, refuses_a_term_that_cannot_hold_its_bonuses) {
    const calc_inputs inputs{"9.9", "", "2,000,000", "", "200,000", "10", "6"};
    const std::int32_t counts[] = {12, 59, 60};
    const std::vector<plan_column> columns = compare_plans(inputs, {}, counts);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_FALSE(columns[i].outcome.result) << counts[i];
        EXPECT_EQ(columns[i].outcome.message, bonuses_beyond_term);
    }
    ASSERT_TRUE(columns[2].outcome.result);
    EXPECT_EQ(columns[2].outcome.result->bonus_count, 10);
}

// Twelve wide columns fit the page in blocks, each string inside the printable area and in a
// place of its own; the customer line is left out when there is no name, the rate line unless the
// estimate shows it; the counter's comparison figure is never printed.
TEST(plan_comparison_page, fits_twelve_columns_on_one_portrait_page) {
    const std::vector<std::int32_t> counts(12, 420);
    const calc_inputs inputs{"9.9", "", "99,999,999", "", "999,999", "70", "1"};
    const std::vector<plan_column> columns = compare_plans(inputs, {}, counts);
    const local_time now{2024, 5, 1, 9, 5, 7};
    quote_record record{};
    write_slot(record.rate_text, "9.9");
    record.net_balance = 99999999;
    record.show_rate = 1;
    branch_settings settings{};
    write_slot(settings.branch_name, cp932("中央支店"));
    write_slot(settings.note_line_3, cp932("以上"));

    const auto page = plan_comparison_page(columns, 0, record, settings, cp932("山田"), now);
    constexpr int half_width_dots = 54;
    constexpr int printable_width = 4450;
    constexpr int printable_height = 6700;
    std::vector<std::pair<int, int>> places;
    std::vector<std::string> texts;
    for (const page_string& string : page) {
        EXPECT_LE(string.x + static_cast<int>(string.text.size()) * half_width_dots,
                  printable_width)
            << cp932_to_utf8(string.text);
        EXPECT_LE(string.y + line_pitch, printable_height);
        places.emplace_back(string.y, string.x);
        texts.push_back(cp932_to_utf8(string.text));
    }
    std::sort(places.begin(), places.end());
    EXPECT_EQ(std::adjacent_find(places.begin(), places.end()), places.end());
    // Seven heading lines, two figure lines, three blocks of six rows, three notes.
    EXPECT_EQ(page.size(), 7 + 4 + 3 * 6 * (1 + plan_page_block_columns) + 3);
    EXPECT_THAT(
        std::vector(texts.begin(), texts.begin() + 11),
        ElementsAre("2024/ 5/ 1    9: 5: 7", "お支払いプラン比較", "山田 様",
                    ::testing::EndsWith("ゾルベクス（株）"), ::testing::EndsWith("中央支店"),
                    "TEL:", "担当 ", "    お借入金額         ", ::testing::EndsWith("99,999,999円"),
                    "    融資利率（年率）   ", ::testing::EndsWith("9.9％")));
    EXPECT_EQ(texts.back(), "以上");
    EXPECT_THAT(texts, ::testing::Contains("お支払い合計額"));
    EXPECT_THAT(texts, ::testing::Not(::testing::Contains("Ｓ１均等比較")));

    record.show_rate = 0;
    EXPECT_EQ(plan_comparison_page(columns, 0, record, settings, "", now).size(), page.size() - 3);
}

}  // namespace
}  // namespace carloan
