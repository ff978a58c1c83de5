#pragma once
// Works a quote back from a monthly budget: the largest net balance, or the fewest payments, whose
// regular payment (２回目以降) stays within it. Every candidate is quoted by calculate itself, so
// an answer is exactly the quote the main window gives for it; a candidate the calculation refuses
// is simply not an answer.

#include "calc/calculate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace carloan {

inline constexpr std::string_view no_plan_within_budget = "予算内に収まる条件がありません";

// The budget field's text (code page 932), read as the net balance field is ("30,000" is 30000)
// with 万 as ten thousand ("3万" is 30000), or the message (UTF-8) when it is empty, not above 0,
// past the 32-bit range or a 万 that names no whole number of yen.
std::variant<std::int32_t, std::string> read_budget(std::string_view text);

// The largest net balance, from 1 yen up, whose regular payment at the inputs' payment count is
// within the budget and whose bonuses fall within the term as bonuses_fit tells.
std::optional<calc_result> largest_balance(const calc_inputs& inputs, const current_flags& flags,
                                           std::int32_t budget);
// Why largest_balance found nothing: the bonuses overrun the term, else no_plan_within_budget.
std::string_view no_balance_reason(const calc_inputs& inputs);

// The fewest payments, 1 to 420, whose regular payment at the inputs' net balance is within the
// budget and whose bonus payments, the first with the deferment's payment and then one every six
// months, all fall within the term.
std::optional<calc_result> fewest_payments(const calc_inputs& inputs, const current_flags& flags,
                                           std::int32_t budget);

}  // namespace carloan
