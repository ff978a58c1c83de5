#include "plans/budget_search.h"

#include "calc/amount_text.h"
#include "calc/installment_factors.h"
#include "calc/quote_terms.h"
#include "plans/plan_comparison.h"

#include <cmath>
#include <limits>
#include <utility>

namespace carloan {
namespace {

using balance = std::int64_t;  // wide enough for one past the largest balance

constexpr balance max_balance = std::numeric_limits<std::int32_t>::max();

// A negative figure is no plan, whatever the budget; nor is a loan amount below the balance,
// which only a figure cut to 32 bits gives; nor later payments of 0 yen, a balance too small to
// leave anything to pay after the first.
bool is_plan(const calc_result& quote) {
    return quote.loan_fee >= 0 && quote.loan_amount >= quote.net_balance &&
           quote.first_payment >= 0 && quote.later_payment >= 0 && quote.later_count >= 0 &&
           (quote.later_payment > 0 || quote.payment_count <= 1);
}

bool within(const calc_result& quote, std::int32_t budget) {
    return is_plan(quote) && quote.later_payment <= budget;
}

// The first balance in [first, last] where `holds` becomes true, or last + 1; `holds` must stay
// true once it is.
template <class Predicate>
balance first_where(balance first, balance last, Predicate holds) {
    balance low = first - 1;
    balance high = last + 1;
    while (high - low > 1) {
        const balance middle = low + (high - low) / 2;
        (holds(middle) ? high : low) = middle;
    }
    return high;
}

// The regular payment the calculation estimates under the total method before it decides whether
// a bonus is booked: when the bonus-month total equals it, the bonus is dropped and the quote is
// made as if there were none. The texts are read as the calculation reads them; it only says where
// to look, the calculation has the last word.
// It moves one way only as the balance grows: up, as a larger balance leaves less to the bonus
// months, or down when the bonus months are worth more than the term itself (inputs that make no
// loan, but are quoted all the same).
class total_method_estimate {
  public:
    total_method_estimate(const calc_inputs& in, const current_flags& flags) {
        const quote_terms terms = read_terms(in, flags).terms;
        n_ = terms.payment_count;
        bonus_ = terms.bonus_amount;
        factors_ = installment_factors_of(terms.rate, n_, terms.booked_periods,
                                          terms.booked_deferment, terms.bonus_count);
    }

    double bonus() const { return bonus_; }

    // Left wide rather than cut to 32 bits as the calculation cuts it, so that it keeps growing
    // with the balance; the two agree wherever it can equal a bonus-month total.
    double operator()(balance net_balance) const {
        const double m = split_total_method(factors_, bonus_, static_cast<double>(net_balance), n_)
                             .regular_payment;
        return std::isfinite(m) ? m : 0;
    }

  private:
    double n_ = 0;
    double bonus_ = 0;
    installment_factors factors_;
};

// Why a search over the balance is exact. As the balance grows, the loan amount never falls and
// the bonus months take a fixed sum, so the regular payment never falls either; floors to 100 yen
// and to fee-rate units only make it climb in steps. Along the balances the quotes therefore run:
// too small to leave anything to pay monthly (refused, or no plan), within the budget, above it,
// too large to quote (refused). One quotable balance tells on which side of it every refusal lies,
// and bisection finds the last balance within the budget.
//
// The one break is the total method's dropped bonus: a range of balances quoted as if there were
// no bonus, where the payment can be a step lower than just before the range. The range is
// searched on its own, and so is each side of it, highest first.
class balance_search {
  public:
    balance_search(const calc_inputs& inputs, const current_flags& flags, std::int32_t budget)
        : inputs_(inputs), flags_(flags), budget_(budget) {}

    std::optional<calc_result> run() const {
        const std::optional<std::pair<balance, balance>> dropped = dropped_bonus_range();
        // Bonuses the term cannot hold make no plan, but where the calculation drops them.
        if (!bonuses_fit(inputs_)) {
            return dropped ? largest_within(dropped->first, dropped->second) : std::nullopt;
        }
        if (!dropped) {
            return largest_within(1, max_balance);
        }
        const auto [first, last] = *dropped;
        for (const auto& [from, to] : {std::pair{last + 1, max_balance}, std::pair{first, last},
                                       std::pair{balance{1}, first - 1}}) {
            if (from <= to) {
                if (std::optional<calc_result> found = largest_within(from, to)) {
                    return found;
                }
            }
        }
        return std::nullopt;
    }

  private:
    std::optional<calc_result> quote(balance net_balance) const {
        return calculate(with_net_balance(inputs_, static_cast<std::int32_t>(net_balance)), flags_)
            .result;
    }

    std::optional<std::pair<balance, balance>> dropped_bonus_range() const {
        if (flags_.bonus_method != 1) {
            return std::nullopt;
        }
        const total_method_estimate estimate(inputs_, flags_);
        const double bonus = estimate.bonus();
        if (bonus == 0) {
            return std::nullopt;
        }
        const double sign = estimate(1) <= estimate(max_balance) ? 1 : -1;
        const balance first = first_where(
            1, max_balance, [&](balance p) { return sign * estimate(p) >= sign * bonus; });
        const balance last =
            first_where(1, max_balance,
                        [&](balance p) { return sign * estimate(p) > sign * bonus; }) -
            1;
        if (first > last) {
            return std::nullopt;
        }
        const auto dropped = [this](balance p) {
            const std::optional<calc_result> quoted = quote(p);
            return quoted && quoted->bonus_count == 0;
        };
        if (!dropped(first) || !dropped(last) || (first > 1 && dropped(first - 1)) ||
            (last < max_balance && dropped(last + 1))) {
            return std::nullopt;
        }
        return std::pair{first, last};
    }

    // The largest balance in [first, last] within the budget, given that the quotes along the
    // range run as described above.
    std::optional<calc_result> largest_within(balance first, balance last) const {
        // A quotable balance, looked for from the top down, halving the distance to `first`.
        balance anchor = 0;
        std::optional<calc_result> anchored;
        for (balance step = last - first;; step /= 2) {
            anchored = quote(first + step);
            if (anchored && is_plan(*anchored)) {
                anchor = first + step;
                break;
            }
            anchored.reset();
            if (step == 0) {
                return std::nullopt;
            }
        }

        if (within(*anchored, budget_)) {
            // Above a plan, a refusal means too large.
            balance low = anchor;
            balance high = last + 1;
            calc_result best = *anchored;
            while (high - low > 1) {
                const balance middle = low + (high - low) / 2;
                std::optional<calc_result> quoted = quote(middle);
                if (quoted && within(*quoted, budget_)) {
                    low = middle;
                    best = std::move(*quoted);
                } else {
                    high = middle;
                }
            }
            return best;
        }

        // Over the budget at the anchor: below it, a refusal means too small.
        balance low = first - 1;
        balance high = anchor;
        std::optional<calc_result> best;
        while (high - low > 1) {
            const balance middle = low + (high - low) / 2;
            std::optional<calc_result> quoted = quote(middle);
            if (quoted && is_plan(*quoted) && quoted->later_payment > budget_) {
                high = middle;
            } else {
                low = middle;
                best = quoted && within(*quoted, budget_) ? std::move(quoted) : std::nullopt;
            }
        }
        return best;
    }

    const calc_inputs& inputs_;
    const current_flags& flags_;
    std::int32_t budget_;
};

// The leading integer of number characters, read wide: does it pass the 32-bit range?
bool beyond_32_bits(std::string_view kept) {
    std::size_t i = kept.empty() || (kept[0] != '+' && kept[0] != '-') ? 0 : 1;
    std::int64_t value = 0;
    for (; i < kept.size() && kept[i] >= '0' && kept[i] <= '9'; ++i) {
        value = value * 10 + (kept[i] - '0');
        if (value > max_balance) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::variant<std::int32_t, std::string> read_budget(std::string_view text) {
    if (text.empty()) {
        return std::string("月々の予算が未入力です");
    }
    const std::string beyond_range = "月々の予算が範囲外です";
    const std::optional<std::string> read = ten_thousands_read(text);
    if (!read) {
        return beyond_range;
    }
    const std::string kept = number_characters(*read);
    const std::int32_t budget = leading_integer(kept);
    // The reading saturates at the 32-bit range; a budget past it is refused, not cut to it.
    if (budget < 1 ||
        (budget == std::numeric_limits<std::int32_t>::max() && beyond_32_bits(kept))) {
        return beyond_range;
    }
    return budget;
}

std::optional<calc_result> largest_balance(const calc_inputs& inputs, const current_flags& flags,
                                           std::int32_t budget) {
    return balance_search(inputs, flags, budget).run();
}

std::string_view no_balance_reason(const calc_inputs& inputs) {
    return bonuses_fit(inputs) ? no_plan_within_budget : bonuses_beyond_term;
}

// At most 420 quotes: fast enough to try every count in turn, which needs no argument about how
// the payment moves with the count (it does not always fall: bonuses and dropped bonuses see to
// that).
std::optional<calc_result> fewest_payments(const calc_inputs& inputs, const current_flags& flags,
                                           std::int32_t budget) {
    for (std::int32_t count = min_payment_count; count <= max_payment_count; ++count) {
        calc_outcome outcome = calculate(with_payment_count(inputs, count), flags);
        if (!outcome.result || !within(*outcome.result, budget)) {
            continue;
        }
        if (!bonuses_fit(inputs, *outcome.result)) {
            continue;
        }
        return std::move(outcome.result);
    }
    return std::nullopt;
}

}  // namespace carloan
