#pragma once
// The printed schedule as data: as many pages as the payments need, each a list of code page 932
// strings with their positions in printer dots, drawn like the estimate. The first page carries
// the title, the print date, the customer and the quote's figures; every page carries the column
// captions, its share of the listed lines and "n / N" at its foot.

#include "print/page_strings.h"
#include "schedule/repayment_table.h"
#include "storage/quote_record.h"

#include <span>
#include <vector>

namespace carloan {

// Payment k is payments[k - 1], as the schedule list shows it.
std::vector<std::vector<page_string>> schedule_pages(const quote_record& record,
                                                     std::span<const schedule_row> payments,
                                                     const local_time& now);

// The payments of a table or an expansion's rows: every row after the start row.
inline std::span<const schedule_row> payment_rows(std::span<const schedule_row> rows) {
    return rows.empty() ? rows : rows.subspan(1);
}

}  // namespace carloan
