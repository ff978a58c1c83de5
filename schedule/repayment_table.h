#pragma once
// The repayment table: a start row and at most 420 payment rows.

#include <array>
#include <cstddef>
#include <cstdint>

namespace carloan {

struct schedule_row {
    std::int32_t year;
    std::int32_t month;
    std::int32_t regular_payment;
    std::int32_t bonus_part;
    std::int32_t balance;
};

inline constexpr std::size_t max_payments = 420;
using repayment_table = std::array<schedule_row, max_payments + 1>;

}  // namespace carloan
