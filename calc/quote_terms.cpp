#include "calc/quote_terms.h"

#include "calc/amount_text.h"

#include <string>

namespace carloan {
namespace {

std::int32_t count_or(const std::string& text, std::int32_t empty) {
    return text.empty() ? empty : leading_integer(text);
}

// The first input that stops the calculation, in the order the form lists them.
void check(const calc_inputs& in, const quote_terms& terms, std::int32_t typed_deferment,
           terms_reading& reading) {
    const auto stop = [&](const char* message, bool out_of_range) {
        reading.message = message;
        reading.out_of_range = out_of_range;
    };
    if (in.rate_text.empty()) {
        return stop("実質年率が未入力です", false);
    }
    if (in.payment_count_text.empty()) {
        return stop("支払回数が未入力です", false);
    }
    if (terms.payment_count < 1) {
        return stop("支払回数が範囲外です", true);
    }
    if (in.net_balance_text.empty()) {
        return stop("差引残高が未入力です", false);
    }
    if (terms.net_balance < 0) {
        return stop("差引残高が範囲外です", true);
    }
    if (terms.skip_months < 0) {
        return stop("スキップ月数が範囲外です", true);
    }
    if (terms.bonus_amount < 0) {
        return stop("ボーナス加算額が範囲外です", true);
    }
    if (terms.bonus_count < 0) {
        return stop("ボーナス回数が範囲外です", true);
    }
    if (typed_deferment < 0) {
        return stop("据置月数が範囲外です", true);
    }
    if (terms.bonus_amount == 0 && terms.bonus_count != 0) {
        return stop("ボーナス加算額が未入力です", false);
    }
    if (terms.bonus_amount != 0 && terms.bonus_count == 0) {
        return stop("ボーナス回数が未入力です", false);
    }
}

}  // namespace

terms_reading read_terms(const calc_inputs& in, const current_flags& flags) {
    terms_reading reading;
    quote_terms& terms = reading.terms;
    terms.rate = decimal_reading(in.rate_text);
    terms.payment_count = leading_integer(in.payment_count_text);
    terms.net_balance = number_value(in.net_balance_text);
    terms.skip_months = count_or(in.skip_months_text, 0);
    terms.bonus_amount = in.bonus_addition_text.empty() ? 0 : number_value(in.bonus_addition_text);
    terms.bonus_count = count_or(in.bonus_count_text, 0);
    const std::int32_t typed_deferment = count_or(in.deferment_text, 1);
    terms.deferment = terms.bonus_amount == 0 && terms.bonus_count == 0 ? 0 : typed_deferment;
    // Kept as doubles: the count and deferment can be the 32-bit maximum, one more is not.
    const double payments = terms.payment_count;
    const double deferment = terms.deferment;
    terms.booked_periods = payments;
    terms.booked_deferment = deferment;
    if (flags.cycle_mode == 2) {
        if (deferment > 0) {
            terms.booked_deferment = deferment + 1;
        }
        terms.booked_periods = payments + 1;
    }
    check(in, terms, typed_deferment, reading);
    return reading;
}

}  // namespace carloan
