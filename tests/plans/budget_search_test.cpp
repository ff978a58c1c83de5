#include "plans/budget_search.h"

#include "plans/plan_comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace carloan {
namespace {

TEST(read_budget, reads_an_amount_and_refuses_what_cannot_be_one) {
    const struct {
        const char* text;
        std::int32_t budget;
        const char* message;
    } cases[] = {
        {"30,000", 30000, ""},
        {"  30000円", 30000, ""},
        {"", 0, "月々の予算が未入力です"},
        {"0", 0, "月々の予算が範囲外です"},
        {"-100", 0, "月々の予算が範囲外です"},
        {"abc", 0, "月々の予算が範囲外です"},
        {"3\x96\x9c", 30000, ""},  // 3万
        {"3.5\x96\x9c", 35000, ""},
        {"1.23456\x96\x9c", 0, "月々の予算が範囲外です"},
        {"2147483647", 2147483647, ""},
        {"2,147,483,648", 0, "月々の予算が範囲外です"},
        {"99999999999", 0, "月々の予算が範囲外です"},
        {"300000\x96\x9c", 0, "月々の予算が範囲外です"},
    };
    for (const auto& c : cases) {
        const auto read = read_budget(c.text);
        if (*c.message == '\0') {
            EXPECT_EQ(std::get<std::int32_t>(read), c.budget) << c.text;
        } else {
            EXPECT_EQ(std::get<std::string>(read), c.message) << c.text;
        }
    }
}

bool within(const calc_inputs& inputs, const calc_outcome& outcome, std::int32_t budget) {
    const auto& quote = outcome.result;
    return quote && bonuses_fit(inputs, *quote) && quote->loan_fee >= 0 &&
           quote->loan_amount >= quote->net_balance && quote->first_payment >= 0 &&
           quote->later_count >= 0 && quote->later_payment >= 0 &&
           (quote->later_payment > 0 || quote->payment_count <= 1) &&
           quote->later_payment <= budget;
}

// No balance above this can be within the budget: the loan amount is at least the balance, so the
// payments left after the bonus months exceed budget + 100 a month.
std::int64_t balance_bound(std::int32_t budget, std::int32_t count, std::int64_t bonus_total) {
    return std::min<std::int64_t>(std::int64_t{budget + 100} * count + bonus_total + 1,
                                  std::numeric_limits<std::int32_t>::max());
}

// Small quotes of every kind under one bonus method, so that scanning every balance stays cheap;
// gives how many answers were balances whose bonus the calculation dropped.
int check_against_a_scan(std::int32_t bonus_method, unsigned seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    int dropped_answers = 0;
    for (int i = 0; i < 120; ++i) {
        const std::int32_t count = pick(1, 12);
        const int bonuses = pick(0, 2);
        const std::int32_t bonus = bonuses == 0 ? 0 : pick(10, 80) * 100 + (pick(0, 3) == 0);
        calc_inputs inputs{std::to_string(pick(0, 200) / 10.0).substr(0, 4),
                           std::to_string(count),
                           "1",
                           pick(0, 2) == 0 ? "1" : "",
                           bonuses == 0 ? "" : std::to_string(bonus),
                           bonuses == 0 ? "" : std::to_string(bonuses),
                           pick(0, 1) == 0 ? "" : std::to_string(pick(1, 5))};
        const current_flags flags{bonus_method, pick(1, 2)};
        const std::int32_t budget = flags.bonus_method == 1 && bonuses > 0 && pick(0, 2) == 0
                                        ? bonus + pick(-300, 300)
                                        : pick(5, 60) * 100 + pick(0, 99);

        std::optional<std::int32_t> expected;
        for (std::int64_t p = balance_bound(budget, count, std::int64_t{bonus} * bonuses); p >= 1;
             --p) {
            const calc_outcome outcome =
                calculate(with_net_balance(inputs, static_cast<std::int32_t>(p)), flags);
            if (within(inputs, outcome, budget)) {
                expected = static_cast<std::int32_t>(p);
                dropped_answers += bonuses > 0 && outcome.result->bonus_count == 0;
                break;
            }
        }
        const std::optional<calc_result> found = largest_balance(inputs, flags, budget);
        const std::string quote =
            "rate " + inputs.rate_text + ", " + std::to_string(count) + " payments, skip " +
            inputs.skip_months_text + ", bonus " + std::to_string(bonus) + " x " +
            std::to_string(bonuses) + " deferment " + inputs.deferment_text + ", method " +
            std::to_string(flags.bonus_method) + ", cycle " + std::to_string(flags.cycle_mode) +
            ", budget " + std::to_string(budget);
        EXPECT_EQ(found.has_value(), expected.has_value()) << quote;
        if (found && expected) {
            EXPECT_EQ(found->net_balance, *expected) << quote;
            EXPECT_EQ(*found, *calculate(with_net_balance(inputs, *expected), flags).result);
        }
    }
    return dropped_answers;
}

TEST(largest_balance, agrees_with_a_scan_of_every_balance_under_the_add_on_method) {
    check_against_a_scan(0, 20240501);
}

// A third of the cases put the budget next to the bonus-month total, where the calculation drops
// the bonus and the payment is not monotone in the balance.
TEST(largest_balance, agrees_with_a_scan_of_every_balance_under_the_total_method) {
    EXPECT_GT(check_against_a_scan(1, 20240502), 0) << "no case reached a dropped bonus";
}

// An unbounded budget takes the largest balance the calculation can still quote; a budget of a
// yen none, as only later payments of 0 yen fit it.
TEST(largest_balance, answers_at_the_ends_of_the_range) {
    const calc_inputs inputs{"9.9", "36", "1"};
    const auto largest = largest_balance(inputs, {}, std::numeric_limits<std::int32_t>::max());
    ASSERT_TRUE(largest);
    EXPECT_FALSE(within(inputs, calculate(with_net_balance(inputs, largest->net_balance + 1), {}),
                        std::numeric_limits<std::int32_t>::max()));
    EXPECT_FALSE(largest_balance(inputs, {}, 1));
    EXPECT_FALSE(largest_balance({"", "36", "1"}, {}, 30000)) << "a missing rate is never a plan";
    // Ten bonuses from the sixth payment need 60 payments: 36 hold no plan at any balance.
    EXPECT_FALSE(largest_balance({"9.9", "36", "1", "", "50,000", "10", "6"}, {}, 2000000));
}

TEST(fewest_payments, takes_the_first_count_within_the_budget_that_holds_the_bonuses) {
    const struct {
        calc_inputs inputs;
        current_flags flags;
        std::int32_t budget;
        std::optional<std::int32_t> count;
    } cases[] = {
        {{"9.9", "1", "1,000,000"}, {}, 32200, 36},
        {{"9.9", "1", "1,000,000"}, {}, 32199, 37},
        {{"9.9", "1", "1,000,000"}, {0, 2}, 32300, 36},
        {{"9.9", "1", "1,000,000"}, {}, 2000000, 1},
        {{"9.9", "1", "1,000,000"}, {}, 100, std::nullopt},
        // Six bonuses every six months from the sixth payment need 36 payments, however large
        // the budget; without a deferment the first bonus comes with the first payment.
        {{"9.9", "1", "2,000,000", "", "50,000", "6", "6"}, {}, 2000000, 36},
        {{"9.9", "1", "2,000,000", "", "50,000", "6", ""}, {}, 2000000, 31},
        // The total method needs a regular month besides the bonus months.
        {{"9.9", "1", "100,000", "", "90,000", "1", "1"}, {1, 1}, 2000000, 2},
    };
    for (const auto& c : cases) {
        const std::optional<calc_result> found = fewest_payments(c.inputs, c.flags, c.budget);
        ASSERT_EQ(found.has_value(), c.count.has_value()) << c.budget;
        if (found) {
            EXPECT_EQ(found->payment_count, *c.count) << c.budget;
            EXPECT_LE(found->later_payment, c.budget);
        }
    }
}

}  // namespace
}  // namespace carloan
