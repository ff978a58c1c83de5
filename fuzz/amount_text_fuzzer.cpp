// Amount texts and the calculation over any typed texts: nothing crashes or overflows, no text
// passes its capacity, and every figure shown reads back as the figure stored.

#include "calc/amount_text.h"
#include "calc/calculate.h"
#include "text/cp932.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace carloan;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void check_shown_as(std::string_view text, std::int32_t figure) {
    check(text.size() <= amount_text_capacity);
    check(leading_integer(number_characters(text)) == figure);
}

}  // namespace

// The first eight bytes are the two flags; the rest holds the seven field texts, one a line.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 8) {
        return 0;
    }
    current_flags flags;
    std::memcpy(&flags.bonus_method, data, 4);
    std::memcpy(&flags.cycle_mode, data + 4, 4);
    std::string_view rest(reinterpret_cast<const char*>(data + 8), size - 8);

    std::string texts[7];
    for (std::string& text : texts) {
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        text = cp932_prefix(rest.substr(0, end), input_read_limit);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    for (const std::string& text : texts) {
        check(amount_text(text, amount_width).size() <= amount_text_capacity);
        (void)decimal_reading(text);
        (void)right_alignment(blank_removal(text), count_width);
        const std::int32_t value = leading_integer(text);
        check_shown_as(amount_text(value, amount_width), value);
    }

    const calc_inputs inputs{texts[0], texts[1], texts[2], texts[3], texts[4], texts[5], texts[6]};
    const calc_outcome outcome = calculate(inputs, flags);
    check(outcome.result.has_value() == outcome.message.empty());
    if (outcome.result) {
        const calc_result& r = *outcome.result;
        check_shown_as(r.loan_fee_text, r.loan_fee);
        check_shown_as(r.loan_amount_text, r.loan_amount);
        check_shown_as(r.first_payment_text, r.first_payment);
        check_shown_as(r.later_payment_text, r.later_payment);
        check_shown_as(r.later_count_text, r.later_count);
        check_shown_as(r.bonus_payment_text, r.bonus_payment);
        check_shown_as(r.bonus_times_text, r.bonus_count);
        check_shown_as(r.comparison_text, r.comparison);
        check(r.rate_text.size() <= rate_text_limit);
    }
    return 0;
}
