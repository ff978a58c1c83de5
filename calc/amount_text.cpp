#include "calc/amount_text.h"

#include "text/cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
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

namespace {

constexpr std::int64_t magnitude_ceiling =
    std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;

// Digits past the 32-bit range stop counting; the result saturates at the range's ends.
void add_digit(std::int64_t& magnitude, char digit) {
    if (magnitude < magnitude_ceiling) {
        magnitude = magnitude * 10 + (digit - '0');
    }
}

std::int32_t saturated(bool negative, std::int64_t magnitude) {
    if (negative) {
        return magnitude >= magnitude_ceiling ? std::numeric_limits<std::int32_t>::min()
                                              : static_cast<std::int32_t>(-magnitude);
    }
    return magnitude >= magnitude_ceiling - 1 ? std::numeric_limits<std::int32_t>::max()
                                              : static_cast<std::int32_t>(magnitude);
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
    std::int64_t magnitude = 0;
    for (; i < text.size() && is_digit(text[i]); ++i) {
        add_digit(magnitude, text[i]);
    }
    return saturated(negative, magnitude);
}

// Reads the number characters as they are met, without keeping them in a text of their own.
std::int32_t number_value(std::string_view text) {
    std::size_t i = 0;
    const auto next = [&]() -> char {
        while (i < text.size()) {
            const char c = text[i++];
            if (is_number_character(c)) {
                return c;
            }
        }
        return '\0';
    };
    char c = next();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = next();
    }
    std::int64_t magnitude = 0;
    for (; is_digit(c); c = next()) {
        add_digit(magnitude, c);
    }
    return saturated(negative, magnitude);
}

double decimal_reading(std::string_view text) {
    std::size_t digits = 0;
    std::size_t places = 0;
    bool seen_point = false;
    for (const char c : text) {
        if (is_digit(c)) {
            ++digits;
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
        digits -= places - max_places;
        places = max_places;
    }
    std::int64_t magnitude = 0;
    for (std::size_t i = 0; i < text.size() && digits > 0; ++i) {
        if (is_digit(text[i])) {
            add_digit(magnitude, text[i]);
            --digits;
        }
    }
    constexpr double divisors[] = {1, 10, 100, 1000, 10000};
    return static_cast<double>(saturated(false, magnitude)) / divisors[places];
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

namespace {

// "00" to "99", two characters each.
constexpr std::array<char, 200> two_digits = [] {
    std::array<char, 200> table{};
    for (int i = 0; i < 100; ++i) {
        table[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        table[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return table;
}();

// Writes the three digits of a group ending at `end`; gives where they begin.
char* put_group(char* end, std::uint64_t group) {
    const auto tens = static_cast<std::size_t>(group % 100) * 2;
    end[-1] = two_digits[tens + 1];
    end[-2] = two_digits[tens];
    end[-3] = static_cast<char>('0' + group / 100);
    return end - 3;
}

// Writes the two digits of 0 to 99 ending at `end`.
char* put_pair(char* end, std::uint64_t pair) {
    const auto at = static_cast<std::size_t>(pair) * 2;
    end[-1] = two_digits[at + 1];
    end[-2] = two_digits[at];
    return end - 2;
}

int digit_count(std::uint64_t magnitude) {
    int digits = 0;
    for (; magnitude >= 10000; magnitude /= 10000) {
        digits += 4;
    }
    return digits + (magnitude >= 1000 ? 4 : magnitude >= 100 ? 3 : magnitude >= 10 ? 2 : 1);
}

}  // namespace

// Every figure of a calculation and every schedule line passes here, so the digits are written
// straight from the value, a group of three at a time. The result is what the text form gives
// for the value's "%d" text: a comma before the last 3, 6 and 9 digits only, the same capacity.
char* put_amount_text(char* at, std::int64_t value, int width) {
    // Most amounts: no sign, at most nine digits, at most two commas, blanks within 16.
    if (value >= 0 && value < 1000000000 && width <= 16) {
        auto magnitude = static_cast<std::uint32_t>(value);
        const int digits = magnitude < 1000      ? (magnitude < 10    ? 1
                                                    : magnitude < 100 ? 2
                                                                      : 3)
                           : magnitude < 1000000 ? (magnitude < 10000    ? 4
                                                    : magnitude < 100000 ? 5
                                                                         : 6)
                                                 : (magnitude < 10000000    ? 7
                                                    : magnitude < 100000000 ? 8
                                                                            : 9);
        const int commas = (digits - 1) / 3;
        const int length = digits + commas;
        std::memcpy(at, "                ", 16);
        char* const end = at + std::max(width, length);
        char* from_end = end;
        for (int group = 0; group < commas; ++group) {
            from_end = put_group(from_end, magnitude % 1000);
            *--from_end = ',';
            magnitude /= 1000;
        }
        if (magnitude >= 100) {
            put_group(from_end, magnitude);
        } else if (magnitude >= 10) {
            put_pair(from_end, magnitude);
        } else {
            from_end[-1] = static_cast<char>('0' + magnitude);
        }
        return end;
    }
    const bool negative = value < 0;
    auto magnitude = static_cast<std::uint64_t>(value);
    if (negative) {
        magnitude = 0U - magnitude;
    }
    const int digits = digit_count(magnitude);
    // The blanks and the capacity count a comma for every full group after the first digit, also
    // past the third group, where none is written.
    const int length = digits + (negative ? 1 : 0);
    const int counted_commas = (digits - 1) / 3;
    const int written_commas = std::min(counted_commas, 3);
    const int blanks = std::max(0, width - counted_commas - length);
    if (static_cast<std::int64_t>(blanks) + length + counted_commas > (negative ? 80 : 81)) {
        return at;
    }
    // The usual widths take one fixed-size copy of blanks, overwritten by the digits after them.
    constexpr std::string_view sixteen_blanks = "                ";
    if (blanks <= static_cast<int>(sixteen_blanks.size())) {
        std::memcpy(at, sixteen_blanks.data(), sixteen_blanks.size());
    } else {
        std::memset(at, ' ', static_cast<std::size_t>(blanks));
    }
    at += blanks;
    if (negative) {
        *at++ = '-';
    }
    char* const end = at + digits + written_commas;
    char* from_end = end;
    for (int group = 0; group < written_commas; ++group) {
        from_end = put_group(from_end, magnitude % 1000);
        *--from_end = ',';
        magnitude /= 1000;
    }
    for (; magnitude >= 100; magnitude /= 100) {
        from_end = put_pair(from_end, magnitude % 100);
    }
    if (magnitude >= 10) {
        put_pair(from_end, magnitude);
    } else {
        from_end[-1] = static_cast<char>('0' + magnitude);
    }
    return end;
}

void append_amount_text(std::string& out, std::int64_t value, int width) {
    std::array<char, amount_text_capacity> text;
    out.append(text.data(), put_amount_text(text.data(), value, width));
}

std::string amount_text(std::int32_t value, int width) {
    std::string out;
    append_amount_text(out, value, width);
    return out;
}

std::string right_alignment(std::string_view text, int width) {
    std::string kept = blank_removal(text);
    const auto length = static_cast<int>(kept.size());
    if (length >= width) {
        return kept;
    }
    return std::string(static_cast<std::size_t>(width - length), ' ') + kept;
}

std::string_view without_blanks_around(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == text.npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string times_count(std::string_view amount, std::string_view count) {
    constexpr std::string_view times = "\x81\x7e";     // × in code page 932
    constexpr std::string_view payments = "\x89\xf1";  // 回
    std::string out(without_blanks_around(amount));
    out += times;
    out += without_blanks_around(count);
    out += payments;
    return out;
}

namespace {

constexpr std::string_view ten_thousand = "\x96\x9c";       // 万 in code page 932
constexpr std::string_view yen = "\x89\x7e";                // 円
constexpr std::int64_t digits_ceiling = 1'000'000'000'000;  // far past any amount

// Where `character` starts, stepping over whole characters so that a trail byte never matches.
std::size_t find_character(std::string_view text, std::string_view character,
                           std::size_t from = 0) {
    for (std::size_t i = from; i < text.size();
         i += is_lead_byte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
        if (text.substr(i, character.size()) == character) {
            return i;
        }
    }
    return std::string_view::npos;
}

// Digits, with commas anywhere among them; nothing for any other character.
std::optional<std::string> plain_digits(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (is_digit(c)) {
            digits += c;
        } else if (c != ',') {
            return std::nullopt;
        }
    }
    return digits;
}

std::int64_t wide_value(std::string_view digits) {
    std::int64_t value = 0;
    for (const char digit : digits) {
        value = std::min(digits_ceiling, value * 10 + (digit - '0'));
    }
    return value;
}

}  // namespace

std::optional<std::string> ten_thousands_read(std::string_view text) {
    const std::size_t at = find_character(text, ten_thousand);
    if (at == text.npos) {
        return std::string(text);
    }
    std::string_view after = without_blanks_around(text.substr(at + ten_thousand.size()));
    if (after.size() >= yen.size() && after.substr(after.size() - yen.size()) == yen &&
        find_character(after, yen) == after.size() - yen.size()) {
        after = without_blanks_around(after.substr(0, after.size() - yen.size()));
    }
    const std::string_view before = without_blanks_around(text.substr(0, at));
    const std::size_t point = before.find('.');
    const std::optional<std::string> whole = plain_digits(before.substr(0, point));
    std::optional<std::string> places =
        point == before.npos ? std::string() : plain_digits(before.substr(point + 1));
    const std::optional<std::string> rest = plain_digits(after);
    const bool comma_in_places = point != before.npos && before.find(',', point) != before.npos;
    if (!whole || !places || !rest || (whole->empty() && places->empty()) || comma_in_places) {
        return std::nullopt;
    }
    // Places past the fourth name parts of a yen unless they are zeros.
    while (places->size() > 4 && places->back() == '0') {
        places->pop_back();
    }
    if (places->size() > 4 || rest->size() > 4) {
        return std::nullopt;
    }
    places->resize(4, '0');
    return std::to_string(wide_value(*whole) * 10000 + wide_value(*places) + wide_value(*rest));
}

}  // namespace carloan
