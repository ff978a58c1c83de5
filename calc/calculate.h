#pragma once
// The installment calculation: seven input texts and the two current flags in; the message of the
// first input that is missing or out of range, or of figures that would pass the 32-bit range or
// turn negative, or else every figure as an integer and as the text its output field shows.
// It touches no window, record or table; the caller shows and stores what it returns.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace carloan {

// The main window's two switches. Only 1 and 2 carry a meaning; any other value stored in a
// quote file is kept and read as the default.
struct current_flags {
    std::int32_t bonus_method = 0;  // 1 = bonus-month total method, else add-on method
    std::int32_t cycle_mode = 1;    // 2 = second-cycle booking, else first-cycle booking
};

// Code page 932 texts as the fields give them to a read with a 30-byte limit (at most 29 bytes);
// an empty text is an empty field.
struct calc_inputs {
    std::string rate_text{};
    std::string payment_count_text{};
    std::string net_balance_text{};
    std::string skip_months_text{};
    std::string bonus_addition_text{};
    std::string bonus_count_text{};
    std::string deferment_text{};

    bool operator==(const calc_inputs&) const = default;
};

inline constexpr std::size_t input_read_limit = 29;
// The rate is read once more at the end with a 10-byte limit, terminator included.
inline constexpr std::size_t rate_text_limit = 9;

struct calc_result {
    std::int32_t net_balance = 0;
    std::int32_t loan_fee = 0;
    std::int32_t loan_amount = 0;
    std::int32_t payment_count = 0;
    std::int32_t first_payment = 0;
    std::int32_t later_payment = 0;
    std::int32_t later_count = 0;
    std::int32_t bonus_payment = 0;
    std::int32_t bonus_count = 0;
    std::int32_t deferment_months = 0;
    std::int32_t comparison = 0;  // none in a residual plan
    // A residual plan's last payment, the residual alone; both 0 in the ordinary plan.
    std::int32_t final_payment = 0;
    std::int32_t residual = 0;

    // The output fields, in the order they are shown.
    std::string loan_fee_text;
    std::string loan_amount_text;
    std::string first_payment_text;
    std::string later_payment_text;
    std::string later_count_text;
    std::string bonus_payment_text;
    std::string bonus_times_text;
    std::string comparison_text;
    std::string final_payment_text;

    std::string rate_text;  // the rate field's first 9 bytes, as the record keeps it

    bool residual_plan() const { return final_payment != 0; }

    bool operator==(const calc_result&) const = default;
};

struct calc_outcome {
    std::optional<calc_result> result;
    std::string message;  // UTF-8; set exactly when result is empty
    bool out_of_range =
        false;  // the stop was an input or a figure out of range, not a missing input
};

calc_outcome calculate(const calc_inputs& inputs, const current_flags& flags);

// The fee of skipped months: 0.4 % of the balance per month, cut to the yen.
double skip_month_fee(std::int32_t skip_months, std::int32_t net_balance);

}  // namespace carloan
