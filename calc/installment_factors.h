#pragma once
// The rates every figure of a quote is made from, and the total method's estimate of the regular
// payment, each in the one order of operations the calculation uses. The budget search asks the
// same estimate where a bonus-month total would be dropped, so it must never be written twice.

#include <cmath>

namespace carloan {

// The double nearest 1/1200: annual percent to monthly fraction.
inline constexpr double monthly = 0.0008333333333333334;

struct installment_factors {
    double fee_rate_unbooked = 0;  // fee rate in ten-thousandths over the payments themselves
    double fee_rate = 0;           // the same over the booked payment periods
    double payment_factor = 0;     // regular payment per yen financed
    double bonus_growth = 0;       // one half-year of interest on a bonus
    double bonus_power = 0;        // bonus_growth to the power of the bonus count
    double deferment_growth = 0;   // interest over the deferment of the first bonus
    double bonus_factor = 0;       // present value per yen of the bonus months
};

// r: rate in percent; n: payments; n_booked: payment periods booked; D: booked deferment;
// k: bonus count. Products and quotients run left to right as written: reordering changes the
// last bit of some intermediates and with it a yen here and there.
inline installment_factors installment_factors_of(double r, double n, double n_booked, double D,
                                                  double k) {
    installment_factors f;
    const double q = r * monthly + 1;
    const double t1 = std::pow(q, n);
    f.fee_rate_unbooked = std::floor((t1 * n * r * monthly / (t1 - 1) - 1) * 10000 + 0.5);
    // Under first-cycle booking both fee rates are the same expression of the same values.
    const double t = n_booked == n ? t1 : std::pow(q, n_booked);
    f.fee_rate = n_booked == n
                     ? f.fee_rate_unbooked
                     : std::floor((t * n_booked * r * monthly / (t - 1) - 1) * 10000 + 0.5);
    f.payment_factor = t * r * monthly / (t - 1);
    f.bonus_growth = r * 0.005 + 1;
    // h to the power 0 is exactly 1.
    f.bonus_power = k == 0 ? 1.0 : std::pow(f.bonus_growth, k);
    f.deferment_growth = D * r * monthly + 1;
    f.bonus_factor =
        (f.bonus_power - 1) * f.bonus_growth / (f.deferment_growth * f.bonus_power * r * 0.005);
    return f;
}

// Under the total method a bonus month pays the bonus-month total B all told; the principal the
// bonus months carry follows from the balance P, and with it the regular payment the quote would
// have. That estimate is left as a double, before any cut to 32 bits.
struct total_method_split {
    double bonus_principal = 0;
    double monthly_fee = 0;
    double regular_payment = 0;
};

inline total_method_split split_total_method(const installment_factors& f, double B, double P,
                                             double n) {
    total_method_split split;
    const double A = f.payment_factor;
    const double V = f.bonus_factor;
    const double x = (B - A * P) * V / (1 - V * A);
    split.bonus_principal = std::floor((x * 0.1 + 0.05) * 10);
    const double Pm = P - split.bonus_principal;
    split.monthly_fee = f.fee_rate * 0.01 * Pm * 0.01;
    split.regular_payment = std::floor((split.monthly_fee + Pm) / n * 0.01) * 100;
    return split;
}

}  // namespace carloan
