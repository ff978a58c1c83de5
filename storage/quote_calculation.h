#pragma once
// Between the quote record and the calculation: the record's inputs as the calculation reads
// them, and a completed calculation stored back. Neither touches a file.

#include "calc/calculate.h"
#include "storage/quote_record.h"

namespace carloan {

// The seven input texts of the record, each read up to its terminator or its slot's end.
calc_inputs inputs_of(const quote_record& record);

// Stores a completed calculation into the record; names, remarks, schedule parameters and the
// text slots are left alone.
void store_result(quote_record& record, const calc_result& result, const current_flags& flags);

}  // namespace carloan
