#pragma once
// Between the quote record and the calculation: the record's inputs as the calculation reads
// them, and a completed calculation stored back. Neither touches a file.

#include "calc/calculate.h"
#include "calc/price_lines.h"
#include "calc/residual_plan.h"
#include "storage/quote_extension.h"
#include "storage/quote_record.h"

namespace carloan {

// The seven input texts of the record, each read up to its terminator or its slot's end.
calc_inputs inputs_of(const quote_record& record);

// Stores a completed calculation into the record; names, remarks, schedule parameters and the
// text slots are left alone.
void store_result(quote_record& record, const calc_result& result, const current_flags& flags);

// The price lines of the extension, each read up to its terminator or its slot's end.
price_line_texts price_lines_of(const quote_extension& extension);

// The residual as the field shows it again: "45.5%" when it was typed as a percentage, else the
// yen ("957000"); empty when the quote has none.
std::string residual_text_of(const quote_extension& extension);

// The price lines and the residual of a quote into its extension; texts cut to their slots.
void store_extension(quote_extension& extension, const price_line_texts& lines,
                     const residual_amount& residual);

}  // namespace carloan
