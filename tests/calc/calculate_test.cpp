#include "calc/calculate.h"

#include "calc/worked_examples.h"
#include "storage/quote_calculation.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace carloan {
namespace {

using namespace carloan::test_data;

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

calc_result completed(const calc_inputs& inputs, const current_flags& flags) {
    calc_outcome outcome = calculate(inputs, flags);
    EXPECT_TRUE(outcome.result.has_value()) << outcome.message;
    EXPECT_TRUE(outcome.message.empty());
    return outcome.result.value_or(calc_result{});
}

TEST(calculate, reproduces_the_worked_examples) {
    for (const worked_example& example : worked_examples) {
        SCOPED_TRACE(example.name);
        const calc_result r = completed(example.inputs, example.flags);
        EXPECT_EQ(r.loan_fee, example.loan_fee);
        EXPECT_EQ(r.loan_amount, example.loan_amount);
        EXPECT_EQ(r.first_payment, example.first_payment);
        EXPECT_EQ(r.later_payment, example.later_payment);
        EXPECT_EQ(r.later_count, example.later_count);
        EXPECT_EQ(r.bonus_payment, example.bonus_payment);
        EXPECT_EQ(r.bonus_count, example.bonus_count);
        EXPECT_EQ(r.comparison, example.comparison);
        EXPECT_EQ(r.net_balance + r.loan_fee, r.loan_amount);
        // The comparison is the fee above a plain equal-payment loan at fee rate F1, and without
        // a split fee the fee itself is the balance at fee rate F plus the skip fee.
        const std::int64_t balance = r.net_balance;
        EXPECT_EQ(r.comparison, r.loan_fee - example.fee_rate_n * balance / 10000);
        if (!example.split_fee) {
            EXPECT_EQ(r.loan_fee, example.fee_rate_booked * balance / 10000 + example.skip_fee);
        }
        // Under either method the first payment, the later ones and the bonus months add up to
        // the loan amount.
        EXPECT_EQ(std::int64_t{r.later_count} * r.later_payment + r.first_payment +
                      std::int64_t{r.bonus_count} * r.bonus_payment,
                  r.loan_amount);
    }
}

TEST(calculate, shows_the_figures_as_amount_texts_of_their_widths) {
    const calc_result r = completed(worked_examples[0].inputs, add_on);
    EXPECT_EQ(r.loan_fee_text, blanks(7) + "159,900");
    EXPECT_EQ(r.loan_amount_text, blanks(5) + "1,159,900");
    EXPECT_EQ(r.first_payment_text, blanks(8) + "32,900");
    EXPECT_EQ(r.later_payment_text, blanks(8) + "32,200");
    EXPECT_EQ(r.later_count_text, blanks(3) + "35");
    EXPECT_EQ(r.bonus_payment_text, blanks(13) + "0");
    EXPECT_EQ(r.bonus_times_text, blanks(4) + "0");
    EXPECT_EQ(r.comparison_text, blanks(7) + "0");
    EXPECT_EQ(r.rate_text, "9.9");

    const calc_result bonus = completed(worked_examples[5].inputs, total);
    EXPECT_EQ(bonus.bonus_payment_text, blanks(8) + "90,000");
    EXPECT_EQ(bonus.bonus_times_text, blanks(3) + "10");
    EXPECT_EQ(bonus.later_count_text, blanks(3) + "49");
    EXPECT_EQ(bonus.comparison_text, blanks(3) + "8,816");
}

TEST(calculate, reports_the_first_missing_input) {
    struct row {
        calc_inputs inputs;
        current_flags flags;
        const char* message;
    } rows[] = {
        {{}, add_on, "実質年率が未入力です"},
        {{"", "36", "1,000,000"}, add_on, "実質年率が未入力です"},
        {{"9.9", "", ""}, add_on, "支払回数が未入力です"},
        {{"9.9", "36", "", "", "", "3"}, add_on, "差引残高が未入力です"},
        {{"9.9", "36", "1,000,000", "", "", "3"}, add_on, "ボーナス加算額が未入力です"},
        {{"9.9", "36", "1,000,000", "", "", "3"}, total, "ボーナス加算額が未入力です"},
        {{"9.9", "36", "1,000,000", "", "0", "3"}, add_on, "ボーナス加算額が未入力です"},
        {{"9.9", "36", "1,000,000", "", "abc", "3"}, add_on, "ボーナス加算額が未入力です"},
        {{"9.9", "36", "1,000,000", "", "50,000"}, add_on, "ボーナス回数が未入力です"},
        {{"9.9", "36", "1,000,000", "", "50,000", "0"}, total, "ボーナス回数が未入力です"},
        {{"9.9", "36", "1,000,000", "", "50,000", "x"}, add_on, "ボーナス回数が未入力です"},
    };
    for (const row& r : rows) {
        const calc_outcome outcome = calculate(r.inputs, r.flags);
        EXPECT_FALSE(outcome.result.has_value()) << r.message;
        EXPECT_EQ(outcome.message, r.message);
    }
}

TEST(calculate, reads_equivalent_texts_alike) {
    struct row {
        calc_inputs a;
        calc_inputs b;
    } rows[] = {
        {{"9.9", "36", "1,000,000"}, {"9.90", "36", "1000000"}},
        {{"12.5", "36", "1,000,000"}, {"12.50", "36", "1,000,000円"}},
        {{"9.9", "60", "2,000,000", "", "50,000", "10", "6"},
         {"9.9", "60 回", "2000000", "", " 50000", "10", "6"}},
        // A deferment typed without any bonus is ignored.
        {{"9.9", "36", "1,000,000", "", "", "", "6"}, {"9.9", "36", "1,000,000"}},
        {{"9.9", "36", "1,000,000", "", "0", "0", "6"}, {"9.9", "36", "1,000,000"}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.b.rate_text + " " + r.b.net_balance_text);
        calc_result a = completed(r.a, add_on);
        calc_result b = completed(r.b, add_on);
        a.rate_text = b.rate_text;  // stored as typed, so it may differ
        EXPECT_EQ(a, b);
    }
    EXPECT_EQ(completed({"12.5", "36", "1,000,000"}, add_on).loan_fee, 204300);
}

TEST(calculate, adjusts_the_deferment_by_bonus_and_cycle) {
    const calc_inputs bonus{"9.9", "60", "2,000,000", "", "50,000", "10"};
    struct row {
        const char* deferment;
        current_flags flags;
        std::int32_t deferment_months;
        std::int32_t loan_fee;
    } rows[] = {
        {"", add_on, 1, 543800},  // empty reads as 1: plain fee
        {"", add_on_second_cycle, 2, 553400},
        {"0", add_on, 0, 543800},
        {"0", add_on_second_cycle, 0, 553400},  // only positive deferments move
        {"3", add_on, 3, 543800},               // 3 is not above the threshold
        {"4", add_on, 4, 543682},               // split fee
        {"6", add_on_second_cycle, 7, 563154},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(std::string("deferment '") + r.deferment + "' cycle " +
                     std::to_string(r.flags.cycle_mode));
        calc_inputs inputs = bonus;
        inputs.deferment_text = r.deferment;
        const calc_result result = completed(inputs, r.flags);
        EXPECT_EQ(result.deferment_months, r.deferment_months);
        EXPECT_EQ(result.loan_fee, r.loan_fee);
        EXPECT_EQ(result.bonus_count, 10);
    }

    const calc_result no_bonus =
        completed({"9.9", "36", "1,000,000", "", "", "", "6"}, add_on_second_cycle);
    EXPECT_EQ(no_bonus.deferment_months, 0);
}

TEST(calculate, total_method_drops_a_bonus_equal_to_the_regular_payment) {
    // 32,200 is the regular payment of the plain 36-payment quote, so nothing is left over for
    // the bonus months; the split fee a deferment of 5 would bring is dropped with it.
    const calc_result r = completed({"9.9", "36", "1,000,000", "", "32,200", "2", "5"}, total);
    EXPECT_EQ(r.bonus_payment, 0);
    EXPECT_EQ(r.bonus_count, 0);
    EXPECT_EQ(r.later_count, 35);
    EXPECT_EQ(r.later_payment, 32200);
    EXPECT_EQ(r.first_payment, 32900);
    EXPECT_EQ(r.loan_fee, 159900);
    EXPECT_EQ(r.deferment_months, 5);
}

TEST(calculate, degenerate_inputs_give_zero_figures_without_failing) {
    struct row {
        const char* name;
        calc_inputs inputs;
        current_flags flags;
        std::int32_t loan_fee;
        std::int32_t first_payment;
        std::int32_t later_payment;
        std::int32_t later_count;
        std::int32_t bonus_count;
    } rows[] = {
        // clang-format off
        //  name                           inputs                                         flags
        //    fee   first    later  count  bonus count
        {"rate 0",                      {"0", "36", "1,000,000"},                         add_on,
            0,    30500,   27700, 35, 0},
        {"rate without digits",         {"abc", "36", "1,000,000"},                       add_on,
            0,    30500,   27700, 35, 0},
        {"rate 0, skip fee stays",      {"0", "36", "1,000,000", "2"},                    add_on,
            8000, 28000,   28000, 35, 0},
        {"rate 0, add-on bonus, split", {"0", "60", "2,000,000", "", "50,000", "10", "6"}, add_on,
            0,    25000,   25000, 59, 10},
        {"rate 0, total bonus",         {"0", "60", "2,000,000", "", "90,000", "10", "6"}, total,
            0,    22000,   22000, 49, 10},
        // clang-format on
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        const calc_result result = completed(r.inputs, r.flags);
        EXPECT_EQ(result.loan_fee, r.loan_fee);
        EXPECT_EQ(result.comparison, 0);
        EXPECT_EQ(result.first_payment, r.first_payment);
        EXPECT_EQ(result.later_payment, r.later_payment);
        EXPECT_EQ(result.later_count, r.later_count);
        EXPECT_EQ(result.bonus_count, r.bonus_count);
    }
}

// Inputs are checked as they are read, after the missing-input check of the same field; the bonus
// consistency checks come after all of them, the figures' range last.
TEST(calculate, refuses_inputs_and_figures_out_of_range) {
    const char* const figures = "計算結果が範囲外です";
    struct row {
        calc_inputs inputs;
        current_flags flags;
        const char* message;  // empty: the quote completes
    } rows[] = {
        {{"9.9", "0", "1,000,000"}, add_on, "支払回数が範囲外です"},
        {{"9.9", "-5", ""}, add_on, "支払回数が範囲外です"},
        {{"9.9", "36", "-1"}, add_on, "差引残高が範囲外です"},
        {{"9.9", "36", "1,000,000", "-1"}, add_on, "スキップ月数が範囲外です"},
        {{"9.9", "36", "1,000,000", "", "-50,000"}, total, "ボーナス加算額が範囲外です"},
        {{"9.9", "36", "1,000,000", "", "", "-1"}, add_on, "ボーナス回数が範囲外です"},
        {{"9.9", "36", "1,000,000", "", "", "", "-1"}, add_on, "据置月数が範囲外です"},
        {{"99999.9999", "36", "1,000,000"}, add_on, figures},  // the fee passes 32 bits
        {{"9.9", "36", "3000000000"}, add_on, figures},        // so does the loan amount
        {{"9.9", "36", "1,000,000", "2147483647"}, add_on, figures},
        {{"6000", "420", "1,000"}, add_on, figures},  // the fee rate passes the double range
        {{"9.9", "10", "1,000,000", "", "90,000", "10"}, total, figures},    // later count -1
        {{"9.9", "36", "1,000,000", "", "500,000", "10"}, add_on, figures},  // negative payments
        {{"9.9", "36", "1,000,000", "", "50,000", "1", "2147483647"}, add_on_second_cycle, figures},
        // The edges inside the range.
        {{"0", "1", "2147483647"}, add_on, ""},
        {{"9.9", "1", "0", "0", "", "0", "0"}, total, ""},
        {{"0", "2147483647", "1,000,000"}, add_on, ""},
        {{"9.9", "36", "1,000,000", "", "50,000", "1", "2147483647"}, add_on, ""},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.inputs.rate_text + " / " + r.inputs.payment_count_text + " / " +
                     r.inputs.net_balance_text + " -> " + r.message);
        const calc_outcome outcome = calculate(r.inputs, r.flags);
        EXPECT_EQ(outcome.message, r.message);
        EXPECT_EQ(outcome.result.has_value(), *r.message == '\0');
        EXPECT_EQ(outcome.out_of_range, *r.message != '\0');
    }
    EXPECT_EQ(completed({"0", "1", "2147483647"}, add_on).first_payment, 2147483647);
    EXPECT_FALSE(calculate({"9.9", "36", ""}, add_on).out_of_range);
}

TEST(calculate, skip_months_raise_the_comparison_by_the_skip_fee) {
    struct row {
        const char* balance;
        const char* skip;
        std::int32_t skip_fee;
        std::int32_t raise;
    } rows[] = {
        {"1,000,000", "2", 8000, 8000},  // comparison fee 159,900 exactly
        {"1,000,000", "1", 4000, 4000},
        {"1,000,001", "2", 8000, 7999},  // comparison fee 159,900.16: the fraction costs a yen
        {"1,234,567", "3", 14814, 14813},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(std::string(r.balance) + " skip " + r.skip);
        const calc_result plain = completed({"9.9", "36", r.balance}, add_on);
        const calc_result skipped = completed({"9.9", "36", r.balance, r.skip}, add_on);
        EXPECT_EQ(plain.comparison, 0);
        EXPECT_EQ(skipped.loan_fee - plain.loan_fee, r.skip_fee);
        EXPECT_EQ(skipped.comparison - plain.comparison, r.raise);
    }
}

TEST(calculate, keeps_at_most_9_bytes_of_the_rate_text) {
    const std::string yen = *utf8_to_cp932("％");  // two bytes
    struct row {
        std::string typed;
        std::string kept;
    } rows[] = {
        {"9.9", "9.9"},
        {"123456789", "123456789"},
        {"1234567890", "123456789"},
        {"1234567" + yen, "1234567" + yen},
        {"12345678" + yen, "12345678"},  // never half of the ％
    };
    for (const row& r : rows) {
        EXPECT_EQ(completed({r.typed, "36", "1"}, add_on).rate_text, r.kept) << r.typed;
    }
}

TEST(store_result, writes_figures_and_flags_and_leaves_the_rest) {
    quote_record record;
    std::memset(&record, 0x5A, sizeof record);
    const quote_record before = record;

    const calc_result r = completed(worked_examples[3].inputs, add_on_second_cycle);
    store_result(record, r, {7, 2});

    EXPECT_EQ(record.bonus_method, 7);
    EXPECT_EQ(record.cycle_mode, 2);
    EXPECT_EQ(record.net_balance, 2000000);
    EXPECT_EQ(record.loan_fee, r.loan_fee);
    EXPECT_EQ(record.loan_amount, r.loan_amount);
    EXPECT_EQ(record.payment_count, 60);
    EXPECT_EQ(record.first_payment, r.first_payment);
    EXPECT_EQ(record.later_payment, r.later_payment);
    EXPECT_EQ(record.later_count, 59);
    EXPECT_EQ(record.bonus_payment, 50000);
    EXPECT_EQ(record.bonus_count, 10);
    EXPECT_EQ(record.deferment_months, 7);
    EXPECT_STREQ(record.rate_text, "9.9");
    // The slot's tail after the terminator keeps what it held.
    EXPECT_EQ(record.rate_text[4], 0x5A);

    const auto unchanged = [&](std::size_t from, std::size_t to) {
        return std::memcmp(reinterpret_cast<const char*>(&record) + from,
                           reinterpret_cast<const char*>(&before) + from, to - from) == 0;
    };
    EXPECT_TRUE(unchanged(offsetof(quote_record, payment_count_text),
                          offsetof(quote_record, bonus_method)));
    EXPECT_TRUE(
        unchanged(offsetof(quote_record, customer_name), offsetof(quote_record, deferment_months)));
    EXPECT_TRUE(unchanged(offsetof(quote_record, show_rate), sizeof(quote_record)));
}

}  // namespace
}  // namespace carloan
