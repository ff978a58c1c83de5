#pragma once
// The residual-value plan: the car's guaranteed future value, the residual, is left to the last
// payment alone, and the payments before it repay the rest with the bonus-month add-on method.
// residual_plan does the arithmetic over numbers already read; quote_residual_plan reads the
// form's texts and the residual first. Neither touches a window, record or file.

#include "calc/calculate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace carloan {

inline constexpr std::int32_t min_residual_payment_count = 2;
inline constexpr std::int32_t max_residual_payment_count = 420;

// The inputs as numbers, read as the form reads them.
struct residual_terms {
    double rate = 0;  // effective annual rate in percent
    std::int32_t payment_count = 0;
    std::int32_t net_balance = 0;
    std::int32_t skip_months = 0;
    std::int32_t bonus_amount = 0;
    std::int32_t bonus_count = 0;
    std::int32_t deferment = 0;  // months to the first bonus; 1 for an empty field
    std::int32_t cycle_mode = 1;
    std::int32_t residual = 0;
};

// The figures of the plan: payments 1 to n-1 are the instalments (the first, then n-2 later
// ones, and the bonuses added on), payment n is the residual alone. The comparison figure is an
// ordinary plan's only and stays 0. Or the message of the first refusal.
calc_outcome residual_plan(const residual_terms& terms);

// The residual as typed: yen as 差引残高 reads them (万 included), or a percentage of the vehicle
// price ("45%", "45.5％", at most two places), which is rounded down to 1,000 yen.
struct residual_amount {
    std::int32_t yen = 0;
    std::int32_t percent_hundredths = 0;  // 4550 for 45.5 %; 0 when typed in yen
};

// 45.5 % (4550) of 3,000,000 yen: 1,365,000 yen; the yen below a thousand are dropped.
std::int32_t residual_of_percentage(std::int32_t vehicle_price, std::int32_t percent_hundredths);

// The residual, or the message of why it cannot be read: 残価が未入力です, 残価が範囲外です,
// 残価率が範囲外です (a percentage not above 0 and below 100), 車両本体価格が未入力です.
std::variant<residual_amount, std::string> read_residual(std::string_view text,
                                                         std::optional<std::int32_t> vehicle_price);

// The residual plan of the form's texts: the form's own missing inputs first, as the ordinary
// calculation reports them, then the residual, then the plan's own refusals.
calc_outcome quote_residual_plan(const calc_inputs& inputs, const current_flags& flags,
                                 std::string_view residual_text,
                                 std::optional<std::int32_t> vehicle_price);

}  // namespace carloan
