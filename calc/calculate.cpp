#include "calc/calculate.h"

#include "calc/amount_text.h"
#include "calc/installment_factors.h"
#include "calc/quote_terms.h"
#include "calc/result_figures.h"
#include "calc/whole_numbers.h"
#include "text/cp932.h"

#include <cmath>
#include <cstring>

namespace carloan {
namespace {

// The estimated regular payment only decides whether a bonus is left over; it keeps the low 32
// bits of its cut toward zero, as it always has.
std::int32_t truncate(double value) {
    if (!std::isfinite(value) || value >= 9223372036854775808.0 || value < -9223372036854775808.0) {
        return 0;
    }
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

struct stop {
    const char* message = nullptr;
    bool out_of_range = false;

    explicit operator bool() const { return message != nullptr; }
};

stop beyond_range(const char* message) {
    return {message, true};
}

// Every expression below is evaluated in exactly the written order: products and quotients left
// to right. Reordering changes the last bit of some intermediates and with it a yen here and there.

// What the bonus months carry: their principal, the fee on the balance without it, and the part of
// the bonus left over the regular payment. The add-on method pays the bonus on top of the regular
// payment, so all of it is left; the total method pays the regular payment out of it.
struct bonus_part {
    double principal = 0;
    double monthly_fee = 0;
    double left = 0;
};

bonus_part bonus_part_of(const installment_factors& factors, const quote_terms& terms,
                         bool total_method) {
    const double bonus = terms.bonus_amount;
    const double balance = terms.net_balance;
    if (total_method) {
        const total_method_split split =
            split_total_method(factors, bonus, balance, terms.payment_count);
        return {split.bonus_principal, split.monthly_fee, bonus - truncate(split.regular_payment)};
    }
    const double principal = std::floor((factors.bonus_factor * bonus * 0.1 + 0.05) * 10);
    const double monthly_fee =
        std::floor((balance - principal) * (factors.fee_rate * 0.01) * 0.01 + 0.5);
    return {principal, monthly_fee, bonus};
}

// The fee rate (ten-thousandths) over the balance: 1599 over 1,000,000 yen is 159,900 yen.
double balance_fee(double fee_rate, double balance) {
    return fee_rate * 0.01 * balance * 0.01;
}

// A first bonus deferred past three months carries its own fee rate on the bonus principal; the
// rest of the balance keeps the monthly fee.
double split_fee(const installment_factors& factors, const quote_terms& terms,
                 const bonus_part& part) {
    const double rate = terms.rate;
    const double count = terms.bonus_count;
    const double bonus_fee_rate =
        std::floor((std::pow(factors.bonus_growth, count - 1) * factors.deferment_growth * rate *
                        0.005 / (factors.bonus_power - 1) * count -
                    1) *
                       10000 +
                   0.5);
    const double bonus_fee = std::floor(bonus_fee_rate * 0.01 * part.principal * 0.01 + 0.5);
    return bonus_fee + part.monthly_fee;
}

// The regular months repay the loan amount less the bonus months' payments: the later payments
// are that share cut to hundreds, the first takes the rest. 1,159,900 yen over 36: 32,200 yen
// 35 times and 32,900 yen first. The total method counts the bonus months out of the payments.
struct payments {
    double later = 0;
    double first = 0;
    double later_count = 0;
};

payments payments_of(double loan_amount, const quote_terms& terms, double bonus_count,
                     double bonus_payment, bool total_method, whole_numbers& whole) {
    const double count = terms.payment_count;
    const double regular_amount = loan_amount - bonus_count * bonus_payment;
    payments result;
    if (total_method) {
        const double regular_count = count - bonus_count;
        result.later = whole(std::floor(regular_amount / regular_count * 0.01) * 100);
        result.first = whole(regular_amount - (regular_count - 1) * result.later);
        result.later_count = whole(count - 1 - bonus_count);
    } else {
        result.later = whole(std::floor(regular_amount / count * 0.01) * 100);
        result.first = whole(regular_amount - (count - 1) * result.later);
        result.later_count = whole(count - 1);
    }
    return result;
}

bool negative_figure(const calc_result& result) {
    for (const result_figure& figure : result_figures) {
        if (figure.never_negative && result.*figure.value < 0) {
            return true;
        }
    }
    return false;
}

// Read the terms, take the rates, split off the bonus part, then the fee, the loan
// amount and the payments.
stop quote(const calc_inputs& in, const current_flags& flags, calc_result& result) {
    const terms_reading reading = read_terms(in, flags);
    if (reading.message != nullptr) {
        return {reading.message, reading.out_of_range};
    }
    const quote_terms& terms = reading.terms;
    const double balance = terms.net_balance;
    const double skip_fee = skip_month_fee(terms.skip_months, terms.net_balance);
    const installment_factors factors =
        installment_factors_of(terms.rate, terms.payment_count, terms.booked_periods,
                               terms.booked_deferment, terms.bonus_count);
    const bool total_method = flags.bonus_method == 1;
    const bonus_part part = bonus_part_of(factors, terms, total_method);

    double fee = balance_fee(factors.fee_rate, balance);
    if (terms.deferment > 3) {
        fee = split_fee(factors, terms, part);
    }
    // Nothing left of the bonus: no bonus months, and the fee of the balance as a whole.
    double bonus_count = terms.bonus_count;
    double bonus_payment = terms.bonus_amount;
    if (part.left == 0) {
        bonus_count = 0;
        bonus_payment = 0;
        fee = balance_fee(factors.fee_rate, balance);
    }

    whole_numbers whole(terms.rate);
    const double loan_fee = whole(static_cast<double>(whole(fee)) + skip_fee);
    const double loan_amount = whole(loan_fee + balance);
    const payments paid =
        payments_of(loan_amount, terms, bonus_count, bonus_payment, total_method, whole);
    // The fee against the fee without skip months or second-cycle booking: 167,900 yen with 2
    // skip months against 159,900 yen gives 8,000 yen.
    const std::int32_t comparison =
        whole(loan_fee - balance_fee(factors.fee_rate_unbooked, balance));
    const std::int32_t deferment_months = whole(terms.booked_deferment);

    result.net_balance = terms.net_balance;
    result.loan_fee = static_cast<std::int32_t>(loan_fee);
    result.loan_amount = static_cast<std::int32_t>(loan_amount);
    result.payment_count = terms.payment_count;
    result.first_payment = static_cast<std::int32_t>(paid.first);
    result.later_payment = static_cast<std::int32_t>(paid.later);
    result.later_count = static_cast<std::int32_t>(paid.later_count);
    result.bonus_payment = static_cast<std::int32_t>(bonus_payment);
    result.bonus_count = static_cast<std::int32_t>(bonus_count);
    result.deferment_months = deferment_months;
    result.comparison = comparison;
    // A figure cut to 32 bits reads as 0 above, so that every cast is defined before the check.
    if (whole.out_of_range() || negative_figure(result)) {
        return beyond_range("計算結果が範囲外です");
    }
    write_figure_texts(result);
    result.rate_text = cp932_prefix(in.rate_text, rate_text_limit);
    return {};
}

}  // namespace

// 2 months over 1,000,000 yen: 8,000 yen.
double skip_month_fee(std::int32_t skip_months, std::int32_t net_balance) {
    const double months = skip_months;
    const double balance = net_balance;
    return std::floor(months * balance * 0.004);
}

// The result is made in place and returned as the one named object, so that its nine texts are
// never moved.
calc_outcome calculate(const calc_inputs& inputs, const current_flags& flags) {
    calc_outcome outcome;
    if (const stop stopped = quote(inputs, flags, outcome.result.emplace())) {
        outcome.result.reset();
        outcome.message = stopped.message;
        outcome.out_of_range = stopped.out_of_range;
    }
    return outcome;
}

}  // namespace carloan
