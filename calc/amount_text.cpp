#include "calc/amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

namespace carloan {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_number_character(char c) {
    return is_digit(c) || c == '+' || c == '-' || c == '.';
}
bool is_c_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::int32_t leading_integer(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_c_space(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t ceiling = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        if (magnitude < ceiling) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
    }
    if (negative) {
        return magnitude >= ceiling ? std::numeric_limits<std::int32_t>::min()
                                    : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= ceiling - 1 ? std::numeric_limits<std::int32_t>::max()
                                    : static_cast<std::int32_t>(magnitude);
}

double decimal_reading(std::string_view text) {
    std::string digits;
    std::size_t places = 0;
    bool seen_point = false;
    for (const char c : text) {
        if (is_digit(c)) {
            digits.push_back(c);
            ++places;
        } else if (c == '.') {
            seen_point = true;
            places = 0;
        }
    }
    if (!seen_point) {
        places = 0;
    }
    // The rate field holds at most four decimal places; further places are left out rather than
    // carried into the integer, where they would soon pass the 32-bit range and wreck the rate
    // ("9.900000000" would read as 2.147483647).
    constexpr std::size_t max_places = 4;
    if (places > max_places) {
        digits.resize(digits.size() - (places - max_places));
        places = max_places;
    }
    constexpr double divisors[] = {1, 10, 100, 1000, 10000};
    const double divisor = divisors[places];
    return static_cast<double>(leading_integer(digits)) / divisor;
}

std::string number_characters(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (is_number_character(c)) {
            kept.push_back(c);
        }
    }
    return kept;
}

std::string blank_removal(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ') {
            kept.push_back(c);
        }
    }
    return kept;
}

namespace {

// The amount text of a text that holds number characters only.
std::string grouped(std::string_view kept, int width) {
    const auto length = static_cast<std::int64_t>(kept.size());
    const bool negative = leading_integer(kept) < 0;
    // One comma for each full group of three digits after the first digit; an empty text has none.
    const std::int64_t commas = length == 0 ? 0 : (negative ? (length - 2) / 3 : (length - 1) / 3);
    const std::int64_t blanks = std::max<std::int64_t>(0, width - commas - length);
    const std::int64_t capacity = negative ? 80 : 81;
    if (blanks + length + commas > capacity) {
        return {};
    }

    std::string out(static_cast<std::size_t>(blanks + length + commas), ' ');
    std::size_t at = static_cast<std::size_t>(blanks);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        out[at++] = kept[i];
        const std::size_t following = kept.size() - i - 1;
        if ((i > 0 || !negative) && (following == 3 || following == 6 || following == 9)) {
            out[at++] = ',';
        }
    }
    // A kept text of more than 12 characters has more counted commas than written ones.
    out.resize(at);
    return out;
}

}  // namespace

std::string amount_text(std::string_view text, int width) {
    return grouped(number_characters(text), width);
}

// The figures of every calculation pass here, so the "%d" text is made without the detour
// through number_characters.
std::string amount_text(std::int32_t value, int width) {
    std::array<char, 16> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return grouped(std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())),
                   width);
}

std::string right_alignment(std::string_view text, int width) {
    std::string kept = blank_removal(text);
    const auto length = static_cast<int>(kept.size());
    if (length >= width) {
        return kept;
    }
    return std::string(static_cast<std::size_t>(width - length), ' ') + kept;
}

}  // namespace carloan
