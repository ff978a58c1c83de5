// What the command line's options read, over any typed text: an amount, rate or count is taken
// only when it is wholly a number and then reads as that number; a count list, a budget and a
// schedule's year and month give a value within their ranges or a message, never anything else.

#include "calc/amount_text.h"
#include "cli/option_number.h"
#include "plans/budget_search.h"
#include "plans/plan_comparison.h"
#include "schedule/expand.h"
#include "text/cp932.h"
#include "text/full_width.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <variant>

namespace {

using namespace carloan;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The integer the digits of a taken amount or count stand for, cut to the 32-bit range as the
// form's reading saturates.
std::int32_t reference_value(std::string_view text) {
    bool negative = false;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c == '-') {
            negative = true;
        } else if (c >= '0' && c <= '9') {
            value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{1} << 40);
        }
    }
    value = negative ? -value : value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void check_number(std::string_view text, number_kind kind) {
    const std::optional<std::string> taken = option_number(text, kind);
    if (!taken) {
        return;
    }
    // Only an amount with 万 is given as other characters: its digits.
    check(*taken == ascii_digits(text) ||
          (kind == number_kind::amount && text.find("万") != text.npos));
    if (taken->empty()) {
        return;
    }
    if (kind == number_kind::rate) {
        check(decimal_reading(*taken) >= 0);
    } else {
        check(number_value(*taken) == reference_value(*taken));
    }
}

void check_schedule_start(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == text.npos) {
        return;
    }
    const auto year = option_number(text.substr(0, slash), number_kind::count);
    const auto month = option_number(text.substr(slash + 1), number_kind::count);
    if (!year || !month) {
        return;
    }
    quote_record record{};
    record.payment_count = 36;
    const expansion listed = expand(record, {*year, *month, "", "", "", ""});
    if (listed.message.empty()) {
        check(listed.rows.size() == 37);
        check(listed.rows[0].year >= min_schedule_year && listed.rows[0].year <= max_schedule_year);
        check(listed.rows[36].year <= max_schedule_year + 3);
    }
}

}  // namespace

// The first byte chooses what reads the rest.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 256) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    check(ascii_digits(text).size() <= text.size());
    switch (data[0] % 6) {
        case 0:
            check_number(text, number_kind::amount);
            break;
        case 1:
            check_number(text, number_kind::rate);
            break;
        case 2:
            check_number(text, number_kind::count);
            break;
        case 3: {
            const auto counts = parse_payment_counts(utf8_to_cp932(text).value_or("?"));
            if (const auto* list = std::get_if<std::vector<std::int32_t>>(&counts)) {
                check(!list->empty() && list->size() <= max_compared_counts);
                for (const std::int32_t count : *list) {
                    check(count >= min_payment_count && count <= max_payment_count);
                }
            }
            break;
        }
        case 4:
            if (const auto budget = option_number(text, number_kind::amount)) {
                const auto read = read_budget(*budget);
                check(!std::holds_alternative<std::int32_t>(read) ||
                      std::get<std::int32_t>(read) >= 1);
            }
            break;
        default:
            check_schedule_start(text);
            break;
    }
    return 0;
}
