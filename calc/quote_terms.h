#pragma once
// The one reader of the quote form's inputs: the seven input texts and the two switches as the
// numbers every calculation over the form works with. calculate, the plan comparison and the
// budget searches read through it, so a field means the same to each of them.
//
// A count reads as its leading integer ("36回" is 36), an amount as its number characters
// ("1,000,000円" is 1000000), the rate by its digits and last point ("9.9" is 9.9). An empty skip
// or bonus field reads as 0 and an empty deferment as 1 month; a quote with neither bonus amount
// nor bonus count has no deferment. Second-cycle booking books one month later: one more payment
// period, and one more month of deferment when there is any.

#include "calc/calculate.h"

#include <cstdint>

namespace carloan {

struct quote_terms {
    double rate = 0;  // effective annual rate in percent
    std::int32_t payment_count = 0;
    std::int32_t net_balance = 0;
    std::int32_t skip_months = 0;
    std::int32_t bonus_amount = 0;
    std::int32_t bonus_count = 0;
    std::int32_t deferment = 0;  // months until the first bonus; 0 without bonuses
    double booked_periods = 0;
    double booked_deferment = 0;
};

struct terms_reading {
    quote_terms terms;  // every field read, even past a message
    // UTF-8: the first input, in the form's order, that is missing or out of range; null when
    // there is none.
    const char* message = nullptr;
    bool out_of_range = false;  // the message is of a value out of range, not of a missing input
};

terms_reading read_terms(const calc_inputs& inputs, const current_flags& flags);

}  // namespace carloan
