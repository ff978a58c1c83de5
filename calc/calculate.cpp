#include "calc/calculate.h"

#include "calc/amount_text.h"
#include "calc/installment_factors.h"
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

// Conversion of a figure to a 32-bit integer: cut toward zero. An undefined or infinite value
// becomes 0, so a zero rate ends in zero figures instead of a failure. Anything else the figures
// cannot carry (a whole part beyond 32 bits, or an overflow of the double range at a nonzero
// rate, where only absurd inputs lead) marks the quote as out of range instead of wrapping into a
// wrong figure.
class whole_numbers {
  public:
    explicit whole_numbers(double rate) : zero_rate_(rate == 0) {}

    std::int32_t operator()(double value) {
        if (!std::isfinite(value)) {
            out_of_range_ = out_of_range_ || !zero_rate_;
            return 0;
        }
        const double cut = std::trunc(value);
        if (cut < -2147483648.0 || cut > 2147483647.0) {
            out_of_range_ = true;
            return 0;
        }
        return static_cast<std::int32_t>(cut);
    }

    bool out_of_range() const { return out_of_range_; }

  private:
    bool zero_rate_;
    bool out_of_range_ = false;
};

struct stop {
    const char* message = nullptr;
    bool out_of_range = false;

    explicit operator bool() const { return message != nullptr; }
};

stop missing(const char* message) {
    return {message, false};
}

stop beyond_range(const char* message) {
    return {message, true};
}

// Every expression below is evaluated in exactly the written order: products and quotients left
// to right. Reordering changes the last bit of some intermediates and with it a yen here and there.
stop quote(const calc_inputs& in, const current_flags& flags, calc_result& result) {
    if (in.rate_text.empty()) {
        return missing("実質年率が未入力です");
    }
    const double r = decimal_reading(in.rate_text);

    if (in.payment_count_text.empty()) {
        return missing("支払回数が未入力です");
    }
    const std::int32_t payment_count = leading_integer(in.payment_count_text);
    if (payment_count < 1) {
        return beyond_range("支払回数が範囲外です");
    }
    const double n = payment_count;

    if (in.net_balance_text.empty()) {
        return missing("差引残高が未入力です");
    }
    const std::int32_t net_balance = number_value(in.net_balance_text);
    if (net_balance < 0) {
        return beyond_range("差引残高が範囲外です");
    }
    const double P = net_balance;

    double Fs = 0;
    if (!in.skip_months_text.empty()) {
        const std::int32_t skip_months = leading_integer(in.skip_months_text);
        if (skip_months < 0) {
            return beyond_range("スキップ月数が範囲外です");
        }
        const double s = skip_months;
        Fs = std::floor(s * P * 0.004);
    }

    const std::int32_t bonus_amount =
        in.bonus_addition_text.empty() ? 0 : number_value(in.bonus_addition_text);
    if (bonus_amount < 0) {
        return beyond_range("ボーナス加算額が範囲外です");
    }
    const std::int32_t bonus_count =
        in.bonus_count_text.empty() ? 0 : leading_integer(in.bonus_count_text);
    if (bonus_count < 0) {
        return beyond_range("ボーナス回数が範囲外です");
    }
    const std::int32_t deferment =
        in.deferment_text.empty() ? 1 : leading_integer(in.deferment_text);
    if (deferment < 0) {
        return beyond_range("据置月数が範囲外です");
    }
    const double B = bonus_amount;
    double k = bonus_count;
    double D = deferment;

    if (B == 0 && k != 0) {
        return missing("ボーナス加算額が未入力です");
    }
    if (B != 0 && k == 0) {
        return missing("ボーナス回数が未入力です");
    }
    if (B == 0 && k == 0) {
        D = 0;
    }
    const double D0 = D;

    // Second-cycle booking books one month later: one more payment period, one more month of
    // deferment when there is any.
    double n_booked = n;
    if (flags.cycle_mode == 2) {
        if (D > 0) {
            D = D + 1;
        }
        n_booked = n + 1;
    }

    whole_numbers whole(r);
    const installment_factors f = installment_factors_of(r, n, n_booked, D, k);
    const double S = f.fee_rate_unbooked * 0.01 * P * 0.01;
    const double F = f.fee_rate;
    double fee = F * 0.01 * P * 0.01;
    const double h = f.bonus_growth;
    const double u = f.bonus_power;
    const double g = f.deferment_growth;
    const double V = f.bonus_factor;

    const bool total_method = flags.bonus_method == 1;
    double Bp = 0;
    double feeM = 0;
    double b = 0;
    if (total_method) {
        const total_method_split split = split_total_method(f, B, P, n);
        Bp = split.bonus_principal;
        feeM = split.monthly_fee;
        b = B - truncate(split.regular_payment);
    } else {
        Bp = std::floor((V * B * 0.1 + 0.05) * 10);
        feeM = std::floor((P - Bp) * (F * 0.01) * 0.01 + 0.5);
        b = B;
    }

    // A first bonus deferred past three months carries its own fee rate.
    if (D0 > 3) {
        const double Fb =
            std::floor((std::pow(h, k - 1) * g * r * 0.005 / (u - 1) * k - 1) * 10000 + 0.5);
        const double feeB = std::floor(Fb * 0.01 * Bp * 0.01 + 0.5);
        fee = feeB + feeM;
    }

    double Bk = B;
    if (b == 0) {
        k = 0;
        Bk = 0;
        fee = F * 0.01 * P * 0.01;
    }

    const double T = whole(static_cast<double>(whole(fee)) + Fs);
    const double L = whole(T + P);

    double later_payment = 0;
    double first_payment = 0;
    double later_count = 0;
    const double Lm = L - k * Bk;
    if (total_method) {
        const double nm = n - k;
        later_payment = whole(std::floor(Lm / nm * 0.01) * 100);
        first_payment = whole(Lm - (nm - 1) * later_payment);
        later_count = whole(n - 1 - k);
    } else {
        later_payment = whole(std::floor(Lm / n * 0.01) * 100);
        first_payment = whole(Lm - (n - 1) * later_payment);
        later_count = whole(n - 1);
    }
    const std::int32_t comparison = whole(T - S);
    const std::int32_t deferment_months = whole(D);

    if (whole.out_of_range() || T < 0 || L < 0 || first_payment < 0 || later_payment < 0 ||
        Bk < 0 || later_count < 0) {
        return beyond_range("計算結果が範囲外です");
    }

    result.net_balance = net_balance;
    result.loan_fee = static_cast<std::int32_t>(T);
    result.loan_amount = static_cast<std::int32_t>(L);
    result.payment_count = payment_count;
    result.first_payment = static_cast<std::int32_t>(first_payment);
    result.later_payment = static_cast<std::int32_t>(later_payment);
    result.later_count = static_cast<std::int32_t>(later_count);
    result.bonus_payment = static_cast<std::int32_t>(Bk);
    result.bonus_count = static_cast<std::int32_t>(k);
    result.deferment_months = deferment_months;
    result.comparison = comparison;

    append_amount_text(result.loan_fee_text, result.loan_fee, amount_width);
    append_amount_text(result.loan_amount_text, result.loan_amount, amount_width);
    append_amount_text(result.first_payment_text, result.first_payment, amount_width);
    append_amount_text(result.later_payment_text, result.later_payment, amount_width);
    append_amount_text(result.later_count_text, result.later_count, count_width);
    append_amount_text(result.bonus_payment_text, result.bonus_payment, amount_width);
    append_amount_text(result.bonus_times_text, result.bonus_count, count_width);
    append_amount_text(result.comparison_text, result.comparison, comparison_width);

    result.rate_text = cp932_prefix(in.rate_text, rate_text_limit);
    return {};
}

}  // namespace

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
