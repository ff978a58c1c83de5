#include "calc/residual_plan.h"

#include "calc/price_lines.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace carloan {
namespace {

constexpr current_flags add_on{0, 1};
constexpr current_flags add_on_second_cycle{0, 2};
constexpr current_flags total{1, 1};

std::string cp932(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

struct residual_example {
    const char* name;
    calc_inputs inputs;
    current_flags flags;
    const char* residual;
    std::int32_t loan_fee;
    std::int32_t loan_amount;
    std::int32_t first_payment;
    std::int32_t later_payment;
    std::int32_t bonus_payment;
    std::int32_t bonus_count;
};

TEST(residual_plan, reproduces_the_worked_examples) {
    // clang-format off
    const residual_example examples[] = {
        {"4.2 % 60", {"4.2", "60", "1,906,500"}, add_on, "957,000",
         303694, 2210194, 23594, 21200, 0, 0},
        {"1.99 % 37", {"1.99", "37", "2,050,000"}, add_on, "1,138,000",
         98018, 2148018, 30018, 28000, 0, 0},
        {"bonus, second cycle", {"3.9", "61", "1,000,000", "", "50,000", "10", "5"},
         add_on_second_cycle, "400,000", 146565, 1146565, 4665, 4100, 50000, 10},
        {"rate 0", {"0", "37", "2,000,000"}, add_on, "100万", 0, 2000000, 30500, 27700, 0, 0},
    };
    // clang-format on
    for (const residual_example& example : examples) {
        SCOPED_TRACE(example.name);
        const calc_outcome outcome =
            quote_residual_plan(example.inputs, example.flags, cp932(example.residual), {});
        ASSERT_TRUE(outcome.result) << outcome.message;
        const calc_result& r = *outcome.result;
        EXPECT_EQ(r.loan_fee, example.loan_fee);
        EXPECT_EQ(r.loan_amount, example.loan_amount);
        EXPECT_EQ(r.first_payment, example.first_payment);
        EXPECT_EQ(r.later_payment, example.later_payment);
        EXPECT_EQ(r.later_count, r.payment_count - 2);
        EXPECT_EQ(r.bonus_payment, example.bonus_payment);
        EXPECT_EQ(r.bonus_count, example.bonus_count);
        EXPECT_TRUE(r.residual_plan());
        EXPECT_EQ(r.final_payment, r.residual);
        EXPECT_EQ(r.comparison, 0);
        // Every payment together is the loan amount.
        EXPECT_EQ(std::int64_t{r.later_count} * r.later_payment + r.first_payment +
                      std::int64_t{r.bonus_count} * r.bonus_payment + r.final_payment,
                  r.loan_amount);
    }
    const calc_result first =
        *quote_residual_plan(examples[0].inputs, add_on, "957,000", {}).result;
    EXPECT_EQ(first.final_payment_text, "       957,000");
    EXPECT_EQ(first.later_count_text, "   58");
    EXPECT_EQ(first.rate_text, "4.2");
}

TEST(residual_plan, refuses_in_order_with_the_messages) {
    struct refusal {
        calc_inputs inputs;
        current_flags flags;
        const char* residual;
        const char* message;
        bool out_of_range;
    };
    // clang-format off
    const refusal refusals[] = {
        {{"", "60", "1,000,000"}, total, "", "実質年率が未入力です", false},
        {{"4.2", "60", ""}, add_on, "1", "差引残高が未入力です", false},
        {{"4.2", "60", "1,000,000", "", "50,000"}, add_on, "1", "ボーナス回数が未入力です", false},
        {{"4.2", "60", "1,000,000", "-1"}, add_on, "1", "スキップ月数が範囲外です", true},
        {{"4.2", "60", "1,000,000"}, total, "", "残価が未入力です", false},
        {{"4.2", "60", "1,000,000"}, add_on, "45%", "車両本体価格が未入力です", false},
        {{"4.2", "60", "1,000,000"}, add_on, "1.23456万", "残価が範囲外です", true},
        {{"4.2", "60", "1,000,000"}, add_on, "9,999,999,999", "残価が範囲外です", true},
        {{"4.2", "60", "1,000,000"}, total, "400,000", "残価設定はボーナス月加算方式で計算します", true},
        {{"4.2", "1", "1,000,000"}, add_on, "400,000", "残価設定の支払回数は2から420で入力して下さい", true},
        {{"4.2", "421", "1,000,000"}, add_on, "400,000", "残価設定の支払回数は2から420で入力して下さい", true},
        {{"4.2", "60", "1,000,000"}, add_on, "0", "残価が範囲外です", true},
        {{"4.2", "60", "1,000,000"}, add_on, "1,000,000", "残価は差引残高より少なく入力して下さい", true},
        {{"4.2", "60", "1,000,000", "", "50,000", "10", "0"}, add_on, "1", "据置月数が範囲外です", true},
        {{"4.2", "60", "1,000,000", "", "50,000", "10", "6"}, add_on, "1", "ボーナスが最終回より前に収まりません", true},
        {{"0", "120", "1,000,000", "", "100,000", "10", "1"}, add_on, "999,999", "残価とボーナスが差引残高を上回ります", true},
        {{"0", "2", "1,000"}, add_on, "999", "２回目以降の支払額が0円になります", true},
        {{"999", "60", "100,000,000"}, add_on, "1", "計算結果が範囲外です", true},
    };
    // clang-format on
    for (const refusal& r : refusals) {
        SCOPED_TRACE(r.message);
        const calc_outcome outcome = quote_residual_plan(r.inputs, r.flags, cp932(r.residual), {});
        EXPECT_FALSE(outcome.result);
        EXPECT_EQ(outcome.message, r.message);
        EXPECT_EQ(outcome.out_of_range, r.out_of_range);
    }
}

TEST(residual_plan, reads_the_residual_in_yen_or_as_a_percentage_of_the_vehicle_price) {
    struct reading {
        const char* text;
        std::int32_t yen;
        std::int32_t hundredths;
    };
    const reading readings[] = {
        {"957,000", 957000, 0},   {" 150万 ", 1500000, 0},  {"45.5%", 1365000, 4550},
        {"45 ％", 1350000, 4500}, {"33.33%", 999000, 3333}, {"0.01%", 0, 1},
    };
    for (const reading& r : readings) {
        SCOPED_TRACE(r.text);
        const auto read = read_residual(cp932(r.text), 3000000);
        ASSERT_TRUE(std::holds_alternative<residual_amount>(read));
        EXPECT_EQ(std::get<residual_amount>(read).yen, r.yen);
        EXPECT_EQ(std::get<residual_amount>(read).percent_hundredths, r.hundredths);
    }
    for (const char* bad : {"0%", "100%", "45.555%", "4.5.5%", "%", "abc%"}) {
        EXPECT_EQ(std::get<std::string>(read_residual(bad, 3000000)), "残価率が範囲外です") << bad;
    }
    // 35 % of 2,345,678 yen is 820,987.3 yen: a thousand yen at a time, down.
    EXPECT_EQ(residual_of_percentage(2345678, 3500), 820000);
    EXPECT_EQ(residual_of_percentage(2000000, 3500), 700000);
}

TEST(price_lines, make_the_net_balance_and_the_totals_or_refuse) {
    price_line_texts texts{"3,000,000", cp932("20万"), "150,000", "100,000", "500,000", "300,000"};
    const auto read = read_price_lines(texts);
    ASSERT_TRUE(std::holds_alternative<price_figures>(read));
    const price_figures& prices = std::get<price_figures>(read);
    EXPECT_EQ(prices,
              (price_figures{3000000, 200000, 150000, 100000, 500000, 300000, 3250000, 2450000}));
    EXPECT_EQ(payment_total(prices, 2800000), 3600000);
    EXPECT_EQ(payment_total(prices, 2147483647), std::nullopt);
    EXPECT_TRUE(texts.any());
    EXPECT_FALSE(price_line_texts{}.any());

    struct refusal {
        price_line_texts texts;
        const char* message;
    };
    const refusal refusals[] = {
        {{"3,000,000,000"}, "車両本体価格が範囲外です"},
        {{"2,147,483,647", "1"}, "差引残高が範囲外です"},
        {{"1,000,000", "", "", "-5"}, "値引きが範囲外です"},
        {{"1,000,000", "", "", "", cp932("1.23456万")}, "頭金が範囲外です"},
        {{"1,000,000", "", "", "", "600,000", "500,000"}, "差引残高が範囲外です"},
    };
    for (const refusal& r : refusals) {
        EXPECT_EQ(std::get<std::string>(read_price_lines(r.texts)), r.message) << r.message;
    }
    EXPECT_EQ(amount_reading("2,147,483,647"), 2147483647);
    EXPECT_EQ(amount_reading("-2,147,483,648"), -2147483647 - 1);
    EXPECT_EQ(amount_reading("2,147,483,648"), std::nullopt);
}

}  // namespace
}  // namespace carloan
