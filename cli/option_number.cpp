#include "cli/option_number.h"

#include "calc/amount_text.h"
#include "text/cp932.h"

namespace carloan {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string ascii_digits(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = [&](std::size_t at) {
            return at < utf8.size() ? static_cast<unsigned char>(utf8[at]) : 0u;
        };
        // U+FF0B to U+FF19 are EF BC 8B to EF BC 99, their ASCII forms 0x2B to 0x39.
        if (byte(i) == 0xEF && byte(i + 1) == 0xBC && byte(i + 2) >= 0x8B && byte(i + 2) <= 0x99 &&
            byte(i + 2) != 0x8F) {
            out += static_cast<char>(byte(i + 2) - 0x8B + '+');
            i += 2;
        } else if (byte(i) == 0xE3 && byte(i + 1) == 0x80 && byte(i + 2) == 0x80) {
            out += ' ';
            i += 2;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

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
    std::string_view rest = text;
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && rest.back() == ' ') {
        rest.remove_suffix(1);
    }
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
        if (is_digit(c)) {
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
