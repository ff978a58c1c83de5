#pragma once
// The JSON of a quote: a calculation's outcome as one object, the schedule added to it, and the
// error object of a line that could not be quoted. Texts leave as UTF-8.

#include "calc/calculate.h"
#include "schedule/expand.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace carloan {

// Appends one JSON object, without a line end: the figures and texts, or {"message": ...}.
void append_outcome_json(std::string& out, const calc_outcome& outcome);
// The same bytes written at `at`, which has room for outcome_json_bound(outcome) of them; gives
// their end.
std::size_t outcome_json_bound(const calc_outcome& outcome);
char* write_outcome_json(char* at, const calc_outcome& outcome);
// Adds the schedule to the object append_outcome_json has just ended `out` with: "schedule" (the
// payment rows) and "listing" (the lines as listed), or "schedule_message".
void add_schedule_json(std::string& out, const expansion& result);
void append_error_json(std::string& out, std::string_view message);

}  // namespace carloan
