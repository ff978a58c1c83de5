// Over many generated quotes: whenever the entered bonus schedule gives the calculation's bonus
// count, the payments add up to the loan amount, so the balance after the last payment is 0.

#include "calc/calculate.h"
#include "schedule/expand.h"
#include "storage/quote_calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace carloan {
namespace {

struct generated_quote {
    calc_inputs inputs;
    current_flags flags;
    schedule_entries entered;
    bool with_bonus = false;
};

generated_quote generate(std::mt19937& random) {
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    generated_quote q;
    q.flags.bonus_method = pick(0, 1);
    q.flags.cycle_mode = pick(1, 2);

    const int payments = pick(0, 3) == 0 ? pick(1, 420) : pick(1, 84);
    q.inputs.rate_text =
        pick(0, 40) == 0 ? "0" : std::to_string(pick(1, 29)) + "." + std::to_string(pick(0, 9));
    q.inputs.payment_count_text = std::to_string(payments);
    const int balance = pick(100, 50000) * 100;
    q.inputs.net_balance_text = std::to_string(balance);
    if (pick(0, 3) == 0) {
        q.inputs.skip_months_text = std::to_string(pick(0, 3));
    }

    const int start_month = pick(1, 12);
    q.entered.start_year = "2000";
    q.entered.start_month = std::to_string(start_month);

    // Bonuses every six months from payment `deferment` on, so that the count the clerk types is
    // the count the schedule meets.
    const int deferment = pick(1, 7);
    q.with_bonus = pick(0, 2) != 0 && deferment <= payments;
    if (q.with_bonus) {
        const int bonus_count = (payments - deferment) / 6 + 1;
        // The bonus months repay at most about half the balance: more leaves the monthly
        // payments negative, which the calculation refuses.
        q.inputs.bonus_addition_text =
            std::to_string(pick(1, std::max(1, balance / bonus_count / 20000)) * 10000);
        q.inputs.bonus_count_text = std::to_string(bonus_count);
        q.inputs.deferment_text = std::to_string(deferment);

        const int first_bonus = 2000 * 12 + start_month - 1 + deferment - 1;
        const int first_bonus_month = first_bonus % 12 + 1;
        q.entered.first_bonus_year = std::to_string(first_bonus / 12);
        q.entered.first_bonus_month = std::to_string(first_bonus_month);
        q.entered.bonus_month_1 = std::to_string(first_bonus_month);
        q.entered.bonus_month_2 = std::to_string((first_bonus_month + 5) % 12 + 1);
    }
    return q;
}

TEST(expand_property, balance_ends_at_zero_when_the_bonus_count_agrees) {
    std::mt19937 random(20240401);
    int checked = 0;
    int checked_with_bonus = 0;
    constexpr int quotes = 3000;
    for (int i = 0; i < quotes; ++i) {
        const generated_quote q = generate(random);
        const calc_outcome outcome = calculate(q.inputs, q.flags);
        // Now and then the bonus months leave nothing for the monthly payments (a single payment
        // that is a bonus month, a bonus as large as a tiny balance); the calculation refuses
        // those.
        if (outcome.out_of_range) {
            continue;
        }
        ASSERT_TRUE(outcome.result) << outcome.message;
        quote_record record{};
        store_result(record, *outcome.result, q.flags);

        const expansion out = expand(record, q.entered);
        if (out.rows.empty() || out.message.starts_with("ボーナス回数は")) {
            continue;
        }
        ++checked;
        checked_with_bonus += record.bonus_count > 0 ? 1 : 0;
        ASSERT_EQ(out.rows.back().balance, 0)
            << "quote " << i << ": rate " << q.inputs.rate_text << ", "
            << q.inputs.payment_count_text << " payments, balance " << q.inputs.net_balance_text
            << ", bonus " << q.inputs.bonus_addition_text << " x " << q.inputs.bonus_count_text
            << " from " << q.inputs.deferment_text << ", method " << q.flags.bonus_method
            << ", cycle " << q.flags.cycle_mode;
    }
    // The generator must keep the property from being vacuous.
    EXPECT_GT(checked, quotes * 9 / 10);
    EXPECT_GT(checked_with_bonus, quotes / 3);
}

}  // namespace
}  // namespace carloan
