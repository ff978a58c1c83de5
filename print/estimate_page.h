#pragma once
// The printed estimate as data: every string of the page, in code page 932 bytes, with the
// position of its top-left corner in printer dots. Drawing it is the printer back-end's job.

#include "print/page_strings.h"
#include "storage/branch_settings.h"
#include "storage/quote_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace carloan {

// 32 strings, or 34 with the rate row when `show_rate` holds exactly 1, in drawing order. The
// bonus row's label follows `bonus_method` (1 = total method), the main window's current flag.
std::vector<page_string> estimate_page(const quote_record& record, const branch_settings& settings,
                                       std::int32_t bonus_method, const local_time& now);

// The parts of the estimate that other printouts repeat, at the estimate's positions: the date
// line, the company, branch, TEL and staff lines (lines 7 to 10), the rate as its row shows it,
// and the branch's three note lines from `first_line` on.
std::string date_line(const local_time& now);
std::vector<page_string> branch_identity_lines(const branch_settings& settings);
std::string rate_value(const quote_record& record);
std::vector<page_string> note_lines(const branch_settings& settings, int first_line);

// A printed figure's row, label and value at the estimate's two columns, from result_figures:
// the balance rows are お借入金額, then, when `with_rate` and the record shows it, the rate; the
// payment rows are every other printed figure, the bonus row labelled by `bonus_method`.
struct figure_line {
    std::string label;  // four blanks in, 23 bytes in all
    std::string value;
};
std::vector<figure_line> balance_lines(const quote_record& record, bool with_rate);
std::vector<figure_line> payment_lines(const quote_record& record, std::int32_t bonus_method);

}  // namespace carloan
