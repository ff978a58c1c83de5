#pragma once
// The text table of a quote, as carloan-quote prints it on a terminal.

#include "calc/calculate.h"
#include "calc/price_lines.h"

#include <string>

namespace carloan {

// The result as the main window shows it, in UTF-8, one labelled line per output field.
std::string quote_table(const calc_result& result, const current_flags& flags);

// The price lines with 現金販売価格 after the discount and 差引残高 at the end, as lines above the
// table; お支払総額 as the line below it.
std::string price_rows(const price_figures& prices);
std::string payment_total_row(std::int32_t total);

}  // namespace carloan
