#pragma once
// The plan comparison on paper, as data: every string of its one A4 page in code page 932 with
// the position of its top-left corner, in the estimate's dots and for the estimate's one font, so
// that the estimate's drawing draws it on any device. It is the customer's page: what a customer
// needs to choose between the plans, with the branch's identity and notes as the estimate has
// them; the comparison figure of the counter's table is left off.

#include "plans/plan_comparison.h"
#include "print/page_strings.h"
#include "storage/branch_settings.h"
#include "storage/quote_record.h"

#include <span>
#include <string_view>
#include <vector>

namespace carloan {

inline constexpr std::string_view plan_page_title = "お支払いプラン比較";
// The title line of a comparison of residual-value plans, which add the final payment's row.
inline constexpr std::string_view residual_plan_page_title = "お支払いプラン比較（残価設定型）";
// Twelve columns of figures do not fit across a portrait page in a 13-point face, so the table is
// printed in blocks of this many columns, one under the other, each with the row labels.
inline constexpr std::size_t plan_page_block_columns = 4;

// The date line, the title, the customer line (left out when the name is empty), the branch's
// identity lines, the net balance and, when the estimate shows it, the rate of `record` (the
// quote just calculated), the table of `columns` and the branch's notes. Each column gives its
// count, fee, loan amount (the total paid, as the estimate calls it), first, later and bonus
// payments; a refused column "－".
std::vector<page_string> plan_comparison_page(std::span<const plan_column> columns,
                                              std::int32_t bonus_method, const quote_record& record,
                                              const branch_settings& settings,
                                              std::string_view customer_name, const local_time& now,
                                              bool residual_plans = false);

}  // namespace carloan
