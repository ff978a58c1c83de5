#pragma once
// What a printed page is made of: code page 932 strings, each with the position of its top-left
// corner in printer dots, and the value texts the printouts share. Drawing is the back-end's job.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace carloan {

// Positions are dots of a 600 dots-per-inch page whose origin is the printable area's corner.
inline constexpr int page_dots_per_inch = 600;
inline constexpr int line_pitch = 160;
inline constexpr int value_width = 30;
// A single-byte character of the 13-point face; a double-byte one is twice as wide.
inline constexpr int half_width_dots = 54;

struct page_string {
    int x = 0;
    int y = 0;
    std::string text;  // code page 932; empty draws nothing but keeps its line

    bool operator==(const page_string&) const = default;
};

struct local_time {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The page's fixed texts are written in UTF-8 in the source; the page itself is code page 932.
std::string page_text(std::string_view utf8);

// The figures' value texts, blanks removed and right-aligned to value_width:
// "1,234,567円", "60回", "12,345円×59回".
std::string amount_value(std::int32_t amount);
std::string count_value(std::int32_t count);
std::string installment_value(std::int32_t amount, std::int32_t count);

inline constexpr std::size_t customer_name_limit = 29;

// The customer name a quote file name proposes: its first 29 bytes, less a trailing dot and
// three bytes ("ABC.car" gives "ABC"). Code page 932 in and out.
std::string customer_name_from_quote_name(std::string_view quote_name);

}  // namespace carloan
