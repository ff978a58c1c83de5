#include "cli/extended_quote.h"

#include "calc/residual_plan.h"
#include "cli/quote_json.h"

#include <charconv>

namespace carloan {
namespace {

void append_figure(std::string& out, std::string_view key, std::int32_t value) {
    out += ",\"";
    out += key;
    out += "\":";
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::variant<calc_inputs, std::string> with_price_lines(calc_inputs inputs,
                                                        const price_line_texts& prices) {
    const auto read = read_price_lines(prices);
    if (const auto* message = std::get_if<std::string>(&read)) {
        return *message;
    }
    inputs.net_balance_text = std::to_string(std::get<price_figures>(read).net_balance);
    return inputs;
}

extended_outcome quote_extended(calc_inputs inputs, const current_flags& flags,
                                const quote_extras& extras) {
    extended_outcome quoted;
    std::optional<std::int32_t> vehicle_price;
    if (extras.prices.any()) {
        const auto read = read_price_lines(extras.prices);
        if (const auto* message = std::get_if<std::string>(&read)) {
            quoted.outcome = {std::nullopt, *message, true};
            return quoted;
        }
        quoted.prices = std::get<price_figures>(read);
        inputs.net_balance_text = std::to_string(quoted.prices->net_balance);
        if (!extras.prices.vehicle_price_text.empty()) {
            vehicle_price = quoted.prices->vehicle_price;
        }
    }
    quoted.outcome = extras.residual_given
                         ? quote_residual_plan(inputs, flags, extras.residual_text, vehicle_price)
                         : calculate(inputs, flags);
    if (quoted.prices && quoted.outcome.result) {
        const std::optional<std::int32_t> total =
            payment_total(*quoted.prices, quoted.outcome.result->loan_amount);
        if (!total) {
            quoted.outcome = {std::nullopt, "計算結果が範囲外です", true};
            return quoted;
        }
        quoted.payment_total = *total;
    }
    return quoted;
}

std::optional<std::string> extras_conflict(const quote_request& request) {
    if (request.extras.prices.any() && !request.inputs.net_balance_text.empty()) {
        return std::string("the price lines make the net balance; give one or the other");
    }
    return std::nullopt;
}

void append_extended_json(std::string& out, const extended_outcome& quoted) {
    append_outcome_json(out, quoted.outcome);
    if (!quoted.prices || !quoted.outcome.result) {
        return;
    }
    out.pop_back();
    for (const price_line& line : price_lines) {
        append_figure(out, line.name, (*quoted.prices).*line.value);
    }
    append_figure(out, "cash_price", quoted.prices->cash_price);
    append_figure(out, "total_payment", quoted.payment_total);
    out += '}';
}

}  // namespace carloan
