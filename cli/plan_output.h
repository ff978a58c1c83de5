#pragma once
// carloan-quote's plans, as text or JSON: --compare COUNTS prints the quote for each payment
// count side by side, --budget YEN --solve balance|payments the quote worked back from a monthly
// budget. Both start from the quote the other options give; texts in and out are UTF-8.

#include "calc/calculate.h"
#include "cli/quote_request.h"

#include <iosfwd>
#include <string_view>

namespace carloan {

// The table as the plan comparison dialog shows it, or with `json` one object per count, each
// the single quote of that count. Gives exit_failure for a list that cannot be read, and
// exit_missing_input when any count's calculation stopped with a message. With a residual each
// count is a residual-value plan; price lines make the net balance.
int print_comparison(const calc_inputs& inputs, const current_flags& flags,
                     const quote_extras& extras, std::string_view counts, bool json,
                     std::ostream& out, std::ostream& err);

// `solve` is "balance" or "payments". The quote found, or the reason there is none (a message
// with exit_missing_input): the quote's own missing input, a budget that cannot be one, or no
// plan within the budget.
int print_solution(const calc_inputs& inputs, const current_flags& flags, std::string_view budget,
                   std::string_view solve, bool json, std::ostream& out, std::ostream& err);

}  // namespace carloan
