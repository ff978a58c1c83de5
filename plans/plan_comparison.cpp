#include "plans/plan_comparison.h"

#include "calc/amount_text.h"
#include "calc/quote_terms.h"
#include "calc/residual_plan.h"
#include "calc/result_figures.h"
#include "text/cp932.h"
#include "text/full_width.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace carloan {
namespace {

// The ideographic comma 、 separates counts too.
constexpr unsigned char ideographic_comma_lead = 0x81;
constexpr unsigned char ideographic_comma_trail = 0x41;

// The list with full-width digits and separators made half-width, or nothing when it holds any
// other double-byte character.
std::optional<std::string> half_width(std::string_view list) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto byte = static_cast<unsigned char>(list[i]);
        if (!is_lead_byte(byte)) {
            out += list[i];
            continue;
        }
        if (i + 1 == list.size()) {
            return std::nullopt;
        }
        const auto trail = static_cast<unsigned char>(list[++i]);
        if (const char ascii = cp932_ascii_form(byte, trail)) {
            out += ascii;
        } else if (byte == ideographic_comma_lead && trail == ideographic_comma_trail) {
            out += ',';
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// 1 to 420 in plain digits; anything else, however long, is out.
std::optional<std::int32_t> count_of(std::string_view entry) {
    if (entry.empty() || entry.size() > 4 || entry.find_first_not_of("0123456789") != entry.npos) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const char digit : entry) {
        value = value * 10 + (digit - '0');
    }
    if (value < min_payment_count || value > max_payment_count) {
        return std::nullopt;
    }
    return value;
}

std::string cp932(std::string_view utf8) {
    return utf8_to_cp932(utf8).value_or(std::string{});
}

}  // namespace

std::string figure_cell(const calc_result& result, const result_figure& figure) {
    return figure.count_text == nullptr
               ? std::string(without_blanks_around(result.*figure.text))
               : times_count(result.*figure.text, result.*figure.count_text);
}

std::variant<std::vector<std::int32_t>, std::string> parse_payment_counts(std::string_view list) {
    const std::string bad_count = "返済回数は1から420で入力して下さい";
    const std::optional<std::string> plain = half_width(list);
    if (!plain) {
        return bad_count;
    }
    std::vector<std::int32_t> counts;
    std::string_view rest = *plain;
    while (true) {
        // Blanks separate counts as commas do: "12 24 36".
        const auto comma = rest.find_first_of(", ");
        const std::string_view entry = rest.substr(0, comma);
        if (!entry.empty()) {
            const std::optional<std::int32_t> count = count_of(entry);
            if (!count) {
                return bad_count;
            }
            counts.push_back(*count);
        }
        if (comma == rest.npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (counts.empty()) {
        return std::string("比較する返済回数が未入力です");
    }
    if (counts.size() > max_compared_counts) {
        return std::string("比較できる返済回数は12個までです");
    }
    return counts;
}

calc_inputs with_payment_count(calc_inputs inputs, std::int32_t count) {
    inputs.payment_count_text = std::to_string(count);
    return inputs;
}

calc_inputs with_net_balance(calc_inputs inputs, std::int32_t balance) {
    inputs.net_balance_text = std::to_string(balance);
    return inputs;
}

namespace {

bool bonuses_fit_term(const calc_inputs& inputs, std::int64_t bonuses, std::int64_t payments) {
    constexpr std::int64_t months_between_bonuses = 6;
    const std::int64_t deferment = read_terms(inputs, {}).terms.deferment;
    const std::int64_t first_bonus = std::max<std::int64_t>(deferment, 1);
    return bonuses <= 0 || first_bonus + months_between_bonuses * (bonuses - 1) <= payments;
}

}  // namespace

bool bonuses_fit(const calc_inputs& inputs, const calc_result& quote) {
    return bonuses_fit_term(inputs, quote.bonus_count, quote.payment_count);
}

bool bonuses_fit(const calc_inputs& inputs) {
    const quote_terms terms = read_terms(inputs, {}).terms;
    return bonuses_fit_term(inputs, terms.bonus_count, terms.payment_count);
}

std::vector<plan_column> compare_plans(const calc_inputs& inputs, const current_flags& flags,
                                       std::span<const std::int32_t> counts) {
    std::vector<plan_column> columns;
    columns.reserve(counts.size());
    for (const std::int32_t count : counts) {
        const calc_inputs column_inputs = with_payment_count(inputs, count);
        calc_outcome outcome = calculate(column_inputs, flags);
        if (outcome.result && !bonuses_fit(column_inputs, *outcome.result)) {
            outcome = {std::nullopt, std::string(bonuses_beyond_term), true};
        }
        columns.push_back({count, std::move(outcome)});
    }
    return columns;
}

std::vector<plan_column> compare_residual_plans(const calc_inputs& inputs,
                                                const current_flags& flags,
                                                std::span<const std::int32_t> counts,
                                                std::string_view residual_text,
                                                std::optional<std::int32_t> vehicle_price) {
    std::vector<plan_column> columns;
    columns.reserve(counts.size());
    for (const std::int32_t count : counts) {
        columns.push_back({count, quote_residual_plan(with_payment_count(inputs, count), flags,
                                                      residual_text, vehicle_price)});
    }
    return columns;
}

std::vector<plan_row> plan_rows(std::span<const plan_column> columns, const current_flags& flags,
                                bool residual_plans) {
    std::vector<plan_row> rows;
    plan_row& count_row = rows.emplace_back(plan_row{cp932("返済回数"), {}});
    for (const plan_column& column : columns) {
        count_row.cells.push_back(std::to_string(column.payment_count) + cp932("回"));
    }
    const std::string none = cp932("－");
    for (const result_figure& figure : result_figures) {
        if (figure.label.empty() || !in_plan(figure, residual_plans)) {
            continue;
        }
        plan_row& row = rows.emplace_back(plan_row{cp932(figure_label(figure, flags)), {}});
        for (const plan_column& column : columns) {
            row.cells.push_back(column.outcome.result ? figure_cell(*column.outcome.result, figure)
                                                      : none);
        }
    }
    return rows;
}

}  // namespace carloan
