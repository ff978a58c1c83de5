#include "calc/calculate.h"

#include "calc/amount_text.h"
#include "text/cp932.h"

#include <cmath>
#include <cstring>

namespace carloan {
namespace {

// The double nearest 1/1200: annual percent to monthly fraction.
constexpr double monthly = 0.0008333333333333334;

// Conversion to a 32-bit integer the way the figures have always been made: cut toward zero to
// 64 bits, keep the low 32. Infinite, undefined and out-of-range values become 0, so a zero rate
// or a zero count ends in zero figures instead of a failure.
std::int32_t truncate(double value) {
    if (!std::isfinite(value) || value >= 9223372036854775808.0 || value < -9223372036854775808.0) {
        return 0;
    }
    const auto wide = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

calc_outcome missing(const char* message) {
    return {std::nullopt, message};
}

}  // namespace

// Every expression below is evaluated in exactly the written order: products and quotients left
// to right. Reordering changes the last bit of some intermediates and with it a yen here and there.
calc_outcome calculate(const calc_inputs& in, const current_flags& flags) {
    if (in.rate_text.empty()) {
        return missing("実質年率が未入力です");
    }
    const double r = decimal_reading(in.rate_text);

    if (in.payment_count_text.empty()) {
        return missing("支払回数が未入力です");
    }
    const double n = leading_integer(in.payment_count_text);

    if (in.net_balance_text.empty()) {
        return missing("差引残高が未入力です");
    }
    const double P = leading_integer(number_characters(in.net_balance_text));

    double Fs = 0;
    if (!in.skip_months_text.empty()) {
        const double s = leading_integer(in.skip_months_text);
        Fs = std::floor(s * P * 0.004);
    }

    const double B = in.bonus_addition_text.empty()
                         ? 0.0
                         : leading_integer(number_characters(in.bonus_addition_text));
    double k = in.bonus_count_text.empty() ? 0.0 : leading_integer(in.bonus_count_text);
    double D = in.deferment_text.empty() ? 1.0 : leading_integer(in.deferment_text);

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

    const double q = r * monthly + 1;

    const double t1 = std::pow(q, n);
    const double F1 = std::floor((t1 * n * r * monthly / (t1 - 1) - 1) * 10000 + 0.5);
    const double S = F1 * 0.01 * P * 0.01;

    const double t = std::pow(q, n_booked);
    const double X = (t * n_booked * r * monthly / (t - 1) - 1) * 10000 + 0.5;
    const double F = std::floor(X);

    double fee = truncate(F * 0.01 * P * 0.01);

    const double A = t * r * monthly / (t - 1);
    const double h = r * 0.005 + 1;

    const double u = std::pow(h, k);
    const double g = D * r * monthly + 1;
    const double V = (u - 1) * h / (g * u * r * 0.005);

    const bool total_method = flags.bonus_method == 1;
    double Bp = 0;
    double feeM = 0;
    double b = 0;
    if (total_method) {
        const double x = (B - A * P) * V / (1 - V * A);
        Bp = std::floor((x * 0.1 + 0.05) * 10);
        const double Pm = P - Bp;
        feeM = F * 0.01 * Pm * 0.01;
        const double m = truncate(std::floor((feeM + Pm) / n * 0.01) * 100);
        b = B - m;
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
        fee = truncate(feeB + feeM);
    }

    double Bk = B;
    if (b == 0) {
        k = 0;
        Bk = 0;
        fee = truncate(F * 0.01 * P * 0.01);
    }

    const double T = truncate(fee + Fs);
    const double L = truncate(T + P);

    double later_payment = 0;
    double first_payment = 0;
    double later_count = 0;
    const double Lm = L - k * Bk;
    if (total_method) {
        const double nm = n - k;
        later_payment = truncate(std::floor(Lm / nm * 0.01) * 100);
        first_payment = truncate(Lm - (nm - 1) * later_payment);
        later_count = truncate(n - 1 - k);
    } else {
        later_payment = truncate(std::floor(Lm / n * 0.01) * 100);
        first_payment = truncate(Lm - (n - 1) * later_payment);
        later_count = truncate(n - 1);
    }

    calc_result result;
    result.net_balance = truncate(P);
    result.loan_fee = truncate(T);
    result.loan_amount = truncate(L);
    result.payment_count = truncate(n);
    result.first_payment = truncate(first_payment);
    result.later_payment = truncate(later_payment);
    result.later_count = truncate(later_count);
    result.bonus_payment = truncate(Bk);
    result.bonus_count = truncate(k);
    result.deferment_months = truncate(D);
    result.comparison = truncate(T - S);

    result.loan_fee_text = amount_text(result.loan_fee, amount_width);
    result.loan_amount_text = amount_text(result.loan_amount, amount_width);
    result.first_payment_text = amount_text(result.first_payment, amount_width);
    result.later_payment_text = amount_text(result.later_payment, amount_width);
    result.later_count_text = amount_text(result.later_count, count_width);
    result.bonus_payment_text = amount_text(result.bonus_payment, amount_width);
    result.bonus_times_text = amount_text(result.bonus_count, count_width);
    result.comparison_text = amount_text(result.comparison, comparison_width);

    result.rate_text = std::string(cp932_prefix(in.rate_text, rate_text_limit));
    return {std::move(result), {}};
}

void store_result(quote_record& record, const calc_result& result, const current_flags& flags) {
    record.first_payment = result.first_payment;
    record.later_payment = result.later_payment;
    record.bonus_payment = result.bonus_payment;
    record.net_balance = result.net_balance;
    record.payment_count = result.payment_count;
    record.loan_fee = result.loan_fee;
    record.loan_amount = result.loan_amount;
    record.later_count = result.later_count;
    record.bonus_count = result.bonus_count;
    record.bonus_method = flags.bonus_method;
    record.deferment_months = result.deferment_months;
    record.cycle_mode = flags.cycle_mode;
    write_slot(record.rate_text, result.rate_text);
}

}  // namespace carloan
