#pragma once
// The printed estimate as data: every string of the page, in code page 932 bytes, with the
// position of its top-left corner in printer dots. Drawing it is the printer back-end's job.

#include "storage/branch_settings.h"
#include "storage/quote_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace carloan {

// Positions are dots of a 600 dots-per-inch page whose origin is the printable area's corner.
inline constexpr int page_dots_per_inch = 600;
inline constexpr int line_pitch = 160;
inline constexpr int value_width = 30;

struct page_string {
    int x = 0;
    int y = 0;
    std::string text;  // code page 932; empty draws nothing but keeps its line
};

struct local_time {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// 32 strings, or 34 with the rate row when `show_rate` holds exactly 1, in drawing order. The
// bonus row's label follows `bonus_method` (1 = total method), the main window's current flag.
std::vector<page_string> estimate_page(const quote_record& record, const branch_settings& settings,
                                       std::int32_t bonus_method, const local_time& now);

}  // namespace carloan
