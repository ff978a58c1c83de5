#include "cli/plan_output.h"

#include "calc/amount_text.h"
#include "calc/price_lines.h"
#include "cli/extended_quote.h"
#include "cli/quote_json.h"
#include "cli/quote_request.h"
#include "cli/quote_text.h"
#include "cli/tool_output.h"
#include "plans/budget_search.h"
#include "plans/plan_comparison.h"
#include "text/cp932.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace carloan {
namespace {

constexpr std::size_t label_columns = 18;
constexpr std::size_t cell_columns = 14;

// On a terminal a double-byte character takes two columns, as it takes two bytes: pads by bytes.
void append_padded(std::string& out, const std::string& cp932, std::size_t columns, bool right) {
    const std::size_t blanks = columns > cp932.size() ? columns - cp932.size() : 1;
    if (right) {
        out.append(blanks, ' ');
    }
    out += cp932_to_utf8(cp932);
    if (!right) {
        out.append(blanks, ' ');
    }
}

int finish(std::ostream& out, std::ostream& err, const std::string& text, int status) {
    return write_output(out, err, text) ? status : exit_failure;
}

// A message instead of a quote: on standard error, or as the JSON object a refused quote gives.
int refuse(std::string_view message, bool json, std::ostream& out, std::ostream& err) {
    std::string text;
    if (json) {
        append_outcome_json(text, calc_outcome{std::nullopt, std::string(message)});
        text += '\n';
    } else {
        err << message << '\n';
    }
    return finish(out, err, text, exit_missing_input);
}

}  // namespace

int print_comparison(const calc_inputs& inputs, const current_flags& flags,
                     const quote_extras& extras, std::string_view counts, bool json,
                     std::ostream& out, std::ostream& err) {
    const std::optional<std::string> list = utf8_to_cp932(counts);
    const auto parsed = parse_payment_counts(list.value_or("?"));
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        err << "carloan-quote: --compare: " << *message << '\n';
        return exit_failure;
    }
    // The price lines make the balance of every column; a line that cannot be read stops all.
    std::optional<price_figures> prices;
    calc_inputs priced = inputs;
    std::optional<std::int32_t> vehicle_price;
    if (extras.prices.any()) {
        const auto read = read_price_lines(extras.prices);
        if (const auto* message = std::get_if<std::string>(&read)) {
            return refuse(*message, json, out, err);
        }
        prices = std::get<price_figures>(read);
        priced.net_balance_text = std::to_string(prices->net_balance);
        if (!extras.prices.vehicle_price_text.empty()) {
            vehicle_price = prices->vehicle_price;
        }
    }
    const auto& count_list = std::get<std::vector<std::int32_t>>(parsed);
    std::vector<plan_column> columns =
        extras.residual_given
            ? compare_residual_plans(priced, flags, count_list, extras.residual_text, vehicle_price)
            : compare_plans(priced, flags, count_list);
    std::vector<std::int32_t> totals(columns.size());
    for (std::size_t i = 0; prices && i < columns.size(); ++i) {
        calc_outcome& outcome = columns[i].outcome;
        if (outcome.result) {
            const std::optional<std::int32_t> total =
                payment_total(*prices, outcome.result->loan_amount);
            if (!total) {
                outcome = {std::nullopt, "計算結果が範囲外です", true};
            }
            totals[i] = total.value_or(0);
        }
    }
    const bool any_refused = std::any_of(columns.begin(), columns.end(),
                                         [](const plan_column& c) { return !c.outcome.result; });
    const int status = any_refused ? exit_missing_input : exit_ok;

    std::string text;
    if (json) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            append_extended_json(text, {columns[i].outcome, prices, totals[i]});
            text += '\n';
        }
        return finish(out, err, text, status);
    }
    if (std::none_of(columns.begin(), columns.end(),
                     [](const plan_column& c) { return c.outcome.result.has_value(); })) {
        // Refused for every count: an input other than the count is missing.
        return refuse(columns.front().outcome.message, false, out, err);
    }
    for (const plan_row& row : plan_rows(columns, flags, extras.residual_given)) {
        append_padded(text, row.label, label_columns, false);
        for (const std::string& cell : row.cells) {
            append_padded(text, cell, cell_columns, true);
        }
        text += '\n';
    }
    for (const plan_column& column : columns) {
        if (!column.outcome.result) {
            err << column.payment_count << "回: " << column.outcome.message << '\n';
        }
    }
    return finish(out, err, text, status);
}

int print_solution(const calc_inputs& inputs, const current_flags& flags, std::string_view budget,
                   std::string_view solve, bool json, std::ostream& out, std::ostream& err) {
    // The search starts from a quote, as the dialog does: its missing inputs are reported first.
    const calc_outcome given = calculate(inputs, flags);
    if (!given.result) {
        return refuse(given.message, json, out, err);
    }
    const std::optional<std::string> budget_text = field_text(budget);
    const auto read = read_budget(budget_text.value_or(""));
    if (const auto* message = std::get_if<std::string>(&read)) {
        return refuse(*message, json, out, err);
    }
    const std::int32_t limit = std::get<std::int32_t>(read);
    const std::optional<calc_result> found = solve == "balance"
                                                 ? largest_balance(inputs, flags, limit)
                                                 : fewest_payments(inputs, flags, limit);
    if (!found) {
        return refuse(solve == "balance" ? no_balance_reason(inputs) : no_plan_within_budget, json,
                      out, err);
    }

    std::string text;
    if (json) {
        append_outcome_json(text, calc_outcome{found, {}});
        text += '\n';
        return finish(out, err, text, exit_ok);
    }
    append_padded(text, *utf8_to_cp932("差引残高"), label_columns, false);
    append_padded(text, blank_removal(amount_text(found->net_balance, amount_width)), cell_columns,
                  true);
    text += '\n';
    append_padded(text, *utf8_to_cp932("返済回数"), label_columns, false);
    append_padded(text, std::to_string(found->payment_count), cell_columns, true);
    text += '\n';
    text += quote_table(*found, flags);
    return finish(out, err, text, exit_ok);
}

}  // namespace carloan
