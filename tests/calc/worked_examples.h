#pragma once
// The seven worked quotes every front end must reproduce figure for figure.

#include "calc/calculate.h"

#include <cstdint>

namespace carloan::test_data {

inline constexpr current_flags add_on{0, 1};
inline constexpr current_flags add_on_second_cycle{0, 2};
inline constexpr current_flags total{1, 1};

struct worked_example {
    const char* name;
    calc_inputs inputs;
    current_flags flags;
    std::int32_t fee_rate_n;       // F1: fee rate for n payments, in ten-thousandths
    std::int32_t fee_rate_booked;  // F: fee rate for the booked number of payments
    bool split_fee;
    std::int32_t skip_fee;
    std::int32_t loan_fee;
    std::int32_t loan_amount;
    std::int32_t first_payment;
    std::int32_t later_payment;
    std::int32_t later_count;
    std::int32_t bonus_payment;
    std::int32_t bonus_count;
    std::int32_t comparison;
};

// clang-format off
inline const worked_example worked_examples[] = {
    // name           inputs                                              flags
    //   F1    F     split  skip  fee     loan     first  later  count  bonus  count  comparison
    {"no bonus",     {"9.9", "36", "1,000,000"},                          add_on,
     1599, 1599, false, 0,    159900, 1159900, 32900, 32200, 35, 0,     0,  0},
    {"second cycle", {"9.9", "36", "1,000,000"},                          add_on_second_cycle,
     1599, 1645, false, 0,    164500, 1164500, 34000, 32300, 35, 0,     0,  4600},
    {"skip months",  {"9.9", "36", "1,000,000", "2"},                     add_on,
     1599, 1599, false, 8000, 167900, 1167900, 33900, 32400, 35, 0,     0,  8000},
    {"add-on D 6",   {"9.9", "60", "2,000,000", "", "50,000", "10", "6"}, add_on,
     2719, 2719, true,  0,    551541, 2551541, 39641, 34100, 59, 50000, 10, 7741},
    {"add-on D 3",   {"9.9", "60", "2,000,000", "", "50,000", "10", "3"}, add_on,
     2719, 2719, false, 0,    543800, 2543800, 37800, 34000, 59, 50000, 10, 0},
    {"total D 6",    {"9.9", "60", "2,000,000", "", "90,000", "10", "6"}, total,
     2719, 2719, true,  0,    552616, 2552616, 35616, 33000, 49, 90000, 10, 8816},
    {"total D 2",    {"9.9", "60", "2,000,000", "", "90,000", "10", "2"}, total,
     2719, 2719, false, 0,    543800, 2543800, 36600, 32800, 49, 90000, 10, 0},
};
// clang-format on

}  // namespace carloan::test_data
