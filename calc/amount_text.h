#pragma once
// How typed numbers read and how figures are written as amount texts: blanks, an optional "-",
// digits grouped by "," and exactly a given width. These work byte by byte on code page 932
// texts, which is safe because no byte of a double-byte character is an ASCII digit, sign, point
// or blank; 万 and 円 are found character by character.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace carloan {

inline constexpr int amount_width = 14;
inline constexpr int count_width = 5;
inline constexpr int comparison_width = 8;
// No amount text is longer than this, whatever its input.
inline constexpr std::size_t amount_text_capacity = 81;

// What a 32-bit text-to-long conversion gives: white space skipped, an optional sign, digits up
// to the first other character. Beyond the 32-bit range it saturates at the range's ends.
std::int32_t leading_integer(std::string_view text);

// The leading integer of the text's number characters: " 1,234,567円" gives 1234567.
std::int32_t number_value(std::string_view text);

// Digits and points only, the last point's places choosing the divisor: "9.9" gives 9.9,
// "1.2.3" gives 12.3, "-5" gives 5.
double decimal_reading(std::string_view text);

// The digits, "+", "-" and "." of a text, in order.
std::string number_characters(std::string_view text);

std::string blank_removal(std::string_view text);

// "159900" at width 14 gives seven blanks and "159,900". A grouped form wider than the width is
// given unpadded; one that would pass the 81-character capacity gives the empty text.
std::string amount_text(std::string_view text, int width);
std::string amount_text(std::int32_t value, int width);
// Appends what amount_text gives for the value's "%d" text.
void append_amount_text(std::string& out, std::int64_t value, int width);
// The same, written at `at` with room for amount_text_capacity characters; gives the text's end.
char* put_amount_text(char* at, std::int64_t value, int width);

// The text without the half-width blanks at its ends: "  3,000 " gives "3,000".
std::string_view without_blanks_around(std::string_view text);

// An amount text and its count text without their blanks around, as the window shows an amount
// with its count: "    32,200" and "   35" give "32,200×35回".
std::string times_count(std::string_view amount, std::string_view count);

// The text without any blank, right-aligned to the width; a longer text is given whole.
std::string right_alignment(std::string_view text, int width);

// An amount typed with 万 (ten thousand) as plain digits: "3万" gives "30000", "3.5万" "35000",
// "1,500万" "15000000", "1万2,000" "12000", "3万円" "30000"; blanks around it are allowed. A
// text without 万 is given unchanged. Nothing when it holds 万 but no whole number of yen by it
// ("1.23456万", "万", "-3万", "3万万").
std::optional<std::string> ten_thousands_read(std::string_view text);

}  // namespace carloan
