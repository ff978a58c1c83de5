#pragma once
// The schedule as a CSV file for spreadsheet programs: UTF-8 with a byte-order mark (without it
// they read the header as the local code page), the header
// 回目,年月,返済額,ボーナス加算分,返済後残高 and one line per payment with plain integers and the
// month as 2024/05. 返済額 is the month's whole payment, as the list shows it; ボーナス加算分 is
// the bonus part of it. Lines end in CR LF.

#include "schedule/repayment_table.h"

#include <span>
#include <string>

namespace carloan {

inline constexpr std::string_view csv_byte_order_mark = "\xEF\xBB\xBF";

// Payment k is payments[k - 1].
std::string schedule_csv(std::span<const schedule_row> payments);

}  // namespace carloan
