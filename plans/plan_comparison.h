#pragma once
// Several quotes side by side, one per payment count, each the calculation of that count with the
// other inputs and flags unchanged; and the rows in which the dialog, the printout and the
// command line show them. Texts are code page 932 unless said otherwise.

#include "calc/calculate.h"
#include "calc/result_figures.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace carloan {

inline constexpr std::int32_t min_payment_count = 1;
inline constexpr std::int32_t max_payment_count = 420;  // what the repayment table can hold
inline constexpr std::size_t max_compared_counts = 12;
inline constexpr std::string_view default_compared_counts = "12,24,36,48,60,72,84";

// The counts of a list such as "12, 24,36" or "12 24 36" (commas, 、 and blanks, half or full
// width, separate; full-width digits are read too; empty entries are skipped), or the message
// (UTF-8) that says what is wrong with it.
std::variant<std::vector<std::int32_t>, std::string> parse_payment_counts(std::string_view list);

// The inputs with another payment count or net balance put in, as if typed into the form.
calc_inputs with_payment_count(calc_inputs inputs, std::int32_t count);
calc_inputs with_net_balance(calc_inputs inputs, std::int32_t balance);

struct plan_column {
    std::int32_t payment_count = 0;
    calc_outcome outcome;
};

inline constexpr std::string_view bonuses_beyond_term = "ボーナス回数が返済回数に収まりません";

// Whether the quote's bonus payments, the first with the deferment's payment (never before the
// first payment) and then one every six months, all fall within its term.
bool bonuses_fit(const calc_inputs& inputs, const calc_result& quote);
// The same for the bonuses and payment count as typed, before the calculation drops any bonus.
bool bonuses_fit(const calc_inputs& inputs);

// A column whose term cannot hold its bonuses is refused with bonuses_beyond_term.
std::vector<plan_column> compare_plans(const calc_inputs& inputs, const current_flags& flags,
                                       std::span<const std::int32_t> counts);

// The same with each count quoted as a residual plan of the residual typed (yen, or a percentage
// of the vehicle price); the residual plan refuses a term that cannot hold its bonuses itself.
std::vector<plan_column> compare_residual_plans(const calc_inputs& inputs,
                                                const current_flags& flags,
                                                std::span<const std::int32_t> counts,
                                                std::string_view residual_text,
                                                std::optional<std::int32_t> vehicle_price);

// One labelled row of the comparison: a cell per column, blanks trimmed, "－" for a column whose
// calculation stopped with a message.
struct plan_row {
    std::string label;
    std::vector<std::string> cells;
};

// A figure's text as a cell of the comparison: blanks trimmed, with its count where it has one
// ("32,200×35回").
std::string figure_cell(const calc_result& result, const result_figure& figure);

// 返済回数, 融資手数料, 融資額, １回目, ２回目以降, the bonus row (named after the bonus method),
// Ｓ１均等比較; for residual plans 最終回（残価） in place of Ｓ１均等比較.
std::vector<plan_row> plan_rows(std::span<const plan_column> columns, const current_flags& flags,
                                bool residual_plans = false);

}  // namespace carloan
