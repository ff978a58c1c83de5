#pragma once
// What one quote of carloan-quote reads: the texts and flags of the form, and the keys a batch
// line names them by. Texts arrive as UTF-8 and reach the calculation as code page 932, cut as a
// field read would cut them.

#include "calc/calculate.h"
#include "calc/price_lines.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace carloan {

// Beyond the form's seven fields: the residual, which asks for the residual-value plan, and the
// dealer's price lines, which make the net balance.
struct quote_extras {
    bool residual_given = false;
    std::string residual_text;
    price_line_texts prices;

    bool any() const { return residual_given || prices.any(); }
    bool operator==(const quote_extras&) const = default;
};

struct quote_request {
    calc_inputs inputs;
    current_flags flags;
    quote_extras extras;
};

// A typed text as the form would hold it: code page 932, at most 29 bytes, never half a
// double-byte character. Nothing when code page 932 cannot hold a character of it.
std::optional<std::string> field_text(std::string_view utf8);

// A key of a batch line and where its value goes: a text field, a flag, a price line or the
// residual.
struct line_key {
    std::string_view name;
    std::string calc_inputs::*text = nullptr;
    std::int32_t current_flags::*flag = nullptr;
    std::string price_line_texts::*price = nullptr;
    bool residual = false;
};

// The text a key's value goes into; nothing for a flag. Naming the residual asks for its plan.
inline std::string* key_text(const line_key& key, quote_request& request) {
    if (key.text != nullptr) {
        return &(request.inputs.*key.text);
    }
    if (key.price != nullptr) {
        return &(request.extras.prices.*key.price);
    }
    if (key.residual) {
        request.extras.residual_given = true;
        return &request.extras.residual_text;
    }
    return nullptr;
}

inline constexpr std::array<line_key, 16> line_keys{{
    {"rate_text", &calc_inputs::rate_text},
    {"payment_count_text", &calc_inputs::payment_count_text},
    {"net_balance_text", &calc_inputs::net_balance_text},
    {"skip_months_text", &calc_inputs::skip_months_text},
    {"bonus_addition_text", &calc_inputs::bonus_addition_text},
    {"bonus_count_text", &calc_inputs::bonus_count_text},
    {"deferment_text", &calc_inputs::deferment_text},
    {"bonus_method", nullptr, &current_flags::bonus_method},
    {"cycle_mode", nullptr, &current_flags::cycle_mode},
    {"residual_text", nullptr, nullptr, nullptr, true},
    {"vehicle_price_text", nullptr, nullptr, &price_line_texts::vehicle_price_text},
    {"accessories_text", nullptr, nullptr, &price_line_texts::accessories_text},
    {"expenses_text", nullptr, nullptr, &price_line_texts::expenses_text},
    {"discount_text", nullptr, nullptr, &price_line_texts::discount_text},
    {"down_payment_text", nullptr, nullptr, &price_line_texts::down_payment_text},
    {"trade_in_text", nullptr, nullptr, &price_line_texts::trade_in_text},
}};

}  // namespace carloan
