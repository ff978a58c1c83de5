#pragma once
// The customer's page of a residual-value plan, 残価設定型クレジット お見積書, as data: every
// string in code page 932 with its position in printer dots, laid out as the estimate is (the
// same date, branch, opening, note and remark lines), for the same drawing path.

#include "calc/calculate.h"
#include "calc/price_lines.h"
#include "print/page_strings.h"
#include "storage/branch_settings.h"
#include "storage/quote_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace carloan {

inline constexpr std::string_view residual_page_title = "残価設定型クレジット お見積書";

// A residual plan as quoted, with the price lines it was quoted from.
struct residual_quote {
    calc_result result;
    std::optional<price_figures> prices;  // when any line was given
    std::int32_t total_payment = 0;       // お支払総額
};

// The plan of the form's inputs, the price lines (which give the net balance when any is given)
// and the residual as typed, or the message of the first refusal.
std::variant<residual_quote, std::string> quote_residual(calc_inputs inputs,
                                                         const current_flags& flags,
                                                         const price_line_texts& lines,
                                                         std::string_view residual_text);

// The record gives the remarks and whether the rate is shown (show_rate 1), as for the
// estimate; the figures all come from `quote`. The customer line is left out when the name (code
// page 932) is empty.
std::vector<page_string> residual_page(const residual_quote& quote, const quote_record& record,
                                       const branch_settings& settings,
                                       std::string_view customer_name, const local_time& now);

}  // namespace carloan
