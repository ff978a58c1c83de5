#pragma once
// What one quote of carloan-quote reads: the texts and flags of the form, and the keys a batch
// line names them by. Texts arrive as UTF-8 and reach the calculation as code page 932, cut as a
// field read would cut them.

#include "calc/calculate.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace carloan {

struct quote_request {
    calc_inputs inputs;
    current_flags flags;
};

// A typed text as the form would hold it: code page 932, at most 29 bytes, never half a
// double-byte character. Nothing when code page 932 cannot hold a character of it.
std::optional<std::string> field_text(std::string_view utf8);

// A key of a batch line and where its value goes: a text field or a flag.
struct line_key {
    std::string_view name;
    std::string calc_inputs::*text = nullptr;
    std::int32_t current_flags::*flag = nullptr;
};

inline constexpr std::array<line_key, 9> line_keys{{
    {"rate_text", &calc_inputs::rate_text},
    {"payment_count_text", &calc_inputs::payment_count_text},
    {"net_balance_text", &calc_inputs::net_balance_text},
    {"skip_months_text", &calc_inputs::skip_months_text},
    {"bonus_addition_text", &calc_inputs::bonus_addition_text},
    {"bonus_count_text", &calc_inputs::bonus_count_text},
    {"deferment_text", &calc_inputs::deferment_text},
    {"bonus_method", nullptr, &current_flags::bonus_method},
    {"cycle_mode", nullptr, &current_flags::cycle_mode},
}};

}  // namespace carloan
