#pragma once
// Lays a calculated quote out month by month: reads the six entered schedule texts, builds the
// repayment table from the quote record's figures, checks the entries against the bonus count
// and deferment the calculation used, and makes the lines the schedule list shows. It touches no
// window, record or table; store_expansion applies what it returns.

#include "schedule/repayment_table.h"
#include "storage/quote_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace carloan {

// Code page 932 texts as the fields give them (at most input_read_limit bytes each); an empty
// text is a missing entry, any other text reads as its leading integer.
struct schedule_entries {
    std::string start_year;
    std::string start_month;
    std::string first_bonus_year;
    std::string first_bonus_month;
    std::string bonus_month_1;
    std::string bonus_month_2;
};

// The record fields the schedule writes.
struct schedule_parameters {
    std::int32_t start_year = 0;
    std::int32_t start_month = 0;
    std::int32_t first_bonus_year = 0;
    std::int32_t first_bonus_month = 0;
    std::int32_t bonus_month_1 = 0;
    std::int32_t bonus_month_2 = 0;
};

struct expansion {
    // Always to be stored, also when a message stopped the expansion: a value read before the
    // stop stays read, except after a month outside 1 to 12, which leaves them as they were.
    schedule_parameters parameters;
    // Row 0 and one row per payment, once the table was built (also when a check then failed);
    // empty when the expansion stopped before building it.
    std::vector<schedule_row> rows;
    // Code page 932, exactly as listed; the list is replaced by these only when message is empty.
    std::vector<std::string> lines;
    std::string message;  // UTF-8; empty when every check passed
};

inline const char* const month_out_of_range_message = "月は1から12で入力して下さい";
// The years a schedule may start or pay its first bonus in: a bank calendar's, and short enough
// that no month count or listed line can pass 32 bits.
inline constexpr std::int32_t min_schedule_year = 1900;
inline constexpr std::int32_t max_schedule_year = 2100;
inline const char* const year_out_of_range_message = "年は1900から2100で入力して下さい";
inline const char* const too_many_payments_message =
    "返済回数が420回を超えるため明細を展開できません";

expansion expand(const quote_record& record, const schedule_entries& entered);

// Writes the parameters into the record and the built rows into the table from row 0; rows past
// them keep what they held.
void store_expansion(quote_record& record, repayment_table& table, const expansion& result);

// One listed line: "%3d   %4d/%02d ", then the amount paid and the balance left as 14-wide
// amount texts.
std::string listing_line(int payment_number, const schedule_row& row);

// Every row's fields as the dialog first shows them ("%d"), in the order of schedule_entries.
schedule_entries entries_of(const quote_record& record);

}  // namespace carloan
