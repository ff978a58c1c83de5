#pragma once
// The text table of a quote, as carloan-quote prints it on a terminal.

#include "calc/calculate.h"

#include <string>

namespace carloan {

// The result as the main window shows it, in UTF-8, one labelled line per output field.
std::string quote_table(const calc_result& result, const current_flags& flags);

}  // namespace carloan
