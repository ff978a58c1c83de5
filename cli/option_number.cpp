#include "cli/option_number.h"

#include "calc/amount_text.h"
#include "text/cp932.h"
#include "text/full_width.h"

namespace carloan {

std::optional<std::string> option_number(std::string_view utf8, number_kind kind) {
    std::string text = ascii_digits(utf8);
    // An amount may be typed with 万 as in the form, which reads it as plain digits.
    if (kind == number_kind::amount && text.find("万") != std::string::npos) {
        const std::optional<std::string> bytes = utf8_to_cp932(text);
        std::optional<std::string> read = bytes ? ten_thousands_read(*bytes) : std::nullopt;
        if (!read) {
            return std::nullopt;
        }
        text = std::move(*read);
    }
    std::string_view rest = without_blanks_around(text);
    if (text.empty()) {
        return text;
    }
    if (!rest.empty() &&
        (rest.front() == '+' || (rest.front() == '-' && kind != number_kind::rate))) {
        rest.remove_prefix(1);
    }
    bool digits = false;
    int points = 0;
    for (const char c : rest) {
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' && kind == number_kind::rate) {
            ++points;
        } else if (c != ',' || kind != number_kind::amount) {
            return std::nullopt;
        }
    }
    if (!digits || points > 1) {
        return std::nullopt;
    }
    return text;
}

}  // namespace carloan
