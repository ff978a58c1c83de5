#include "calc/residual_plan.h"

#include "calc/amount_text.h"
#include "calc/installment_factors.h"
#include "calc/price_lines.h"
#include "calc/quote_terms.h"
#include "calc/result_figures.h"
#include "calc/whole_numbers.h"
#include "text/cp932.h"

#include <algorithm>
#include <cmath>

namespace carloan {
namespace {

constexpr std::int64_t months_between_bonuses = 6;
constexpr std::string_view full_width_percent = "\x81\x93";  // ％ in code page 932

// "45%", "45.5％" or "45.25 %" in hundredths of a percent; nothing for any other text, or for
// more than two places.
std::optional<std::int32_t> percent_reading(std::string_view text) {
    if (text.ends_with('%')) {
        text.remove_suffix(1);
    } else if (text.ends_with(full_width_percent)) {
        text.remove_suffix(full_width_percent.size());
    } else {
        return std::nullopt;
    }
    text = without_blanks_around(text);
    std::int32_t hundredths = 0;
    int places = -1;
    for (const char c : text) {
        if (c == '.' && places < 0) {
            places = 0;
        } else if (c >= '0' && c <= '9' && places < 2 && hundredths < 1000000) {
            hundredths = hundredths * 10 + (c - '0');
            places += places >= 0 ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (text.empty() || text == ".") {
        return std::nullopt;
    }
    for (int p = std::max(places, 0); p < 2; ++p) {
        hundredths *= 10;
    }
    return hundredths;
}

calc_outcome refused(const char* message, bool out_of_range = true) {
    return {std::nullopt, message, out_of_range};
}

// The form's texts as numbers, read and refused exactly as every calculation over the form reads
// them.
std::optional<calc_outcome> read_form(const calc_inputs& in, const current_flags& flags,
                                      residual_terms& terms) {
    const terms_reading reading = read_terms(in, flags);
    if (reading.message != nullptr) {
        return refused(reading.message, reading.out_of_range);
    }
    const quote_terms& read = reading.terms;
    terms.rate = read.rate;
    terms.payment_count = read.payment_count;
    terms.net_balance = read.net_balance;
    terms.skip_months = read.skip_months;
    terms.bonus_amount = read.bonus_amount;
    terms.bonus_count = read.bonus_count;
    terms.deferment = read.deferment;
    return std::nullopt;
}

// a: present value per yen of payments 1 to n-1; w: of payment n; v: of the bonus payments.
struct present_values {
    double a = 0;
    double w = 0;
    double v = 0;
};

// Every expression runs in exactly the written order, products and quotients left to right.
present_values present_values_of(double i, double q, std::int32_t n, std::int32_t k,
                                 std::int32_t deferment, bool second_cycle) {
    present_values pv;
    if (i == 0) {
        pv.a = n - 1;
        pv.w = 1;
        pv.v = k;
    } else {
        const double t = std::pow(q, n - 1);
        pv.a = (t - 1) / (i * t);
        pv.w = 1 / std::pow(q, n);
        pv.v = 0;
        for (std::int32_t j = 0; j < k; ++j) {
            pv.v = pv.v + 1 / std::pow(q, deferment + 6 * j);
        }
    }
    if (second_cycle) {
        pv.a = pv.a / q;
        pv.w = pv.w / q;
        pv.v = pv.v / q;
    }
    return pv;
}

}  // namespace

calc_outcome residual_plan(const residual_terms& terms) {
    const std::int32_t n = terms.payment_count;
    const std::int32_t P = terms.net_balance;
    const std::int32_t R = terms.residual;
    if (n < min_residual_payment_count || n > max_residual_payment_count) {
        return refused("残価設定の支払回数は2から420で入力して下さい");
    }
    if (P < 0) {
        return refused("差引残高が範囲外です");
    }
    if (R < 1) {
        return refused("残価が範囲外です");
    }
    if (R >= P) {
        return refused("残価は差引残高より少なく入力して下さい");
    }
    if (terms.skip_months < 0) {
        return refused("スキップ月数が範囲外です");
    }
    if (terms.bonus_amount < 0 || terms.bonus_count < 0) {
        return refused("ボーナス回数が範囲外です");
    }
    // Bonuses fall with payments D, D+6, ..., all before the last, which is the residual alone.
    const bool bonuses = terms.bonus_amount > 0 && terms.bonus_count > 0;
    const std::int32_t k = bonuses ? terms.bonus_count : 0;
    if (bonuses && terms.deferment < 1) {
        return refused("据置月数が範囲外です");
    }
    if (bonuses && terms.deferment + months_between_bonuses * (k - 1) >= n) {
        return refused("ボーナスが最終回より前に収まりません");
    }

    const double r = terms.rate;
    const double B = bonuses ? terms.bonus_amount : 0;
    const double balance = P;
    const double residual = R;
    const double count = n;
    const double bonus_count = k;
    const bool second_cycle = terms.cycle_mode == 2;

    const double i = r * monthly;
    const double q = i + 1;
    const present_values pv = present_values_of(i, q, n, k, terms.deferment, second_cycle);
    const double financed = balance - residual * pv.w - B * pv.v;
    if (std::isfinite(financed) && !(financed > 0)) {
        return refused("残価とボーナスが差引残高を上回ります");
    }
    // The exact level instalment: 21,240.57... for 4.2 %, 60 payments, 1,906,500 yen and a
    // residual of 957,000 yen.
    const double m = financed / pv.a;

    whole_numbers whole(r);
    const double fee =
        whole(std::floor(m * (count - 1) + B * bonus_count + residual - balance + 0.5));
    const double loan_fee = whole(fee + skip_month_fee(terms.skip_months, P));
    const double loan_amount = whole(balance + loan_fee);
    const double instalments = loan_amount - residual - B * bonus_count;
    const double later = whole(std::floor(instalments / (count - 1) * 0.01) * 100);
    const double first = whole(instalments - (count - 2) * later);

    if (later == 0 && !whole.out_of_range()) {
        return refused("２回目以降の支払額が0円になります");
    }
    if (whole.out_of_range() || loan_fee < 0 || loan_amount < 0 || first < 0 || later < 0) {
        return refused("計算結果が範囲外です");
    }

    calc_outcome outcome;
    calc_result& result = outcome.result.emplace();
    result.net_balance = P;
    result.loan_fee = static_cast<std::int32_t>(loan_fee);
    result.loan_amount = static_cast<std::int32_t>(loan_amount);
    result.payment_count = n;
    result.first_payment = static_cast<std::int32_t>(first);
    result.later_payment = static_cast<std::int32_t>(later);
    result.later_count = n - 2;
    result.bonus_payment = bonuses ? terms.bonus_amount : 0;
    result.bonus_count = k;
    result.deferment_months = !bonuses ? 0 : terms.deferment + (second_cycle ? 1 : 0);
    result.final_payment = R;
    result.residual = R;
    write_figure_texts(result);
    return outcome;
}

std::int32_t residual_of_percentage(std::int32_t vehicle_price, std::int32_t percent_hundredths) {
    // Whole yen throughout: a double would put 35 % of some prices a hair under a thousand.
    const std::int64_t thousands =
        std::int64_t{vehicle_price} * percent_hundredths / (std::int64_t{10000} * 1000);
    return static_cast<std::int32_t>(thousands * 1000);
}

std::variant<residual_amount, std::string> read_residual(
    std::string_view text, std::optional<std::int32_t> vehicle_price) {
    const std::string_view typed = without_blanks_around(text);
    if (typed.empty()) {
        return std::string("残価が未入力です");
    }
    if (typed.ends_with('%') || typed.ends_with(full_width_percent)) {
        const std::optional<std::int32_t> hundredths = percent_reading(typed);
        if (!hundredths || *hundredths <= 0 || *hundredths >= 10000) {
            return std::string("残価率が範囲外です");
        }
        if (!vehicle_price) {
            return std::string("車両本体価格が未入力です");
        }
        return residual_amount{residual_of_percentage(*vehicle_price, *hundredths), *hundredths};
    }
    const std::optional<std::int32_t> yen = amount_reading(typed);
    if (!yen) {
        return std::string("残価が範囲外です");
    }
    return residual_amount{*yen, 0};
}

calc_outcome quote_residual_plan(const calc_inputs& inputs, const current_flags& flags,
                                 std::string_view residual_text,
                                 std::optional<std::int32_t> vehicle_price) {
    residual_terms terms;
    if (std::optional<calc_outcome> stopped = read_form(inputs, flags, terms)) {
        return std::move(*stopped);
    }
    const auto residual = read_residual(residual_text, vehicle_price);
    if (const auto* message = std::get_if<std::string>(&residual)) {
        const bool missing = message->ends_with("未入力です");
        return {std::nullopt, *message, !missing};
    }
    if (flags.bonus_method == 1) {
        return refused("残価設定はボーナス月加算方式で計算します");
    }
    terms.residual = std::get<residual_amount>(residual).yen;
    terms.cycle_mode = flags.cycle_mode;
    calc_outcome outcome = residual_plan(terms);
    if (outcome.result) {
        outcome.result->rate_text = cp932_prefix(inputs.rate_text, rate_text_limit);
    }
    return outcome;
}

}  // namespace carloan
