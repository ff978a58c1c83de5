#pragma once
// Quotes as JSON lines: an input line becomes the texts and flags the calculation reads, and a
// calculation's outcome becomes one output line. Input texts arrive as UTF-8 and reach the
// calculation as code page 932, cut as a field read would cut them.

#include "calc/calculate.h"
#include "schedule/expand.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace carloan {

struct quote_request {
    calc_inputs inputs;
    current_flags flags;
};

// A typed text as the form would hold it: code page 932, at most 29 bytes, never half a
// double-byte character. Nothing when code page 932 cannot hold a character of it.
std::optional<std::string> field_text(std::string_view utf8);

// The request of one input line, or why it cannot be quoted (a message that never echoes the
// line, so that it is always valid UTF-8).
std::variant<quote_request, std::string> parse_quote_line(std::string_view line);

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
// A JSON string literal of valid UTF-8.
void append_json_string(std::string& out, std::string_view utf8);

inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_missing_input = 2;
inline constexpr int exit_schedule_refused = 3;

// One thread reads and writes for all workers; past this many, more would only take memory.
inline constexpr unsigned max_batch_workers = 8;
// Lines longer than this are answered with an error, unread.
inline constexpr std::size_t longest_batch_line = 64 * 1024;

// One output line for each input line, in order, whatever the input holds. A line that cannot be
// quoted gives {"error": ...} and a message naming its line number on `err`; the batch goes on.
// A missing input is the calculation's own answer, not a failure. Gives exit_failure when any
// line failed or the input could not be read or the output written. `workers` threads quote
// (0: the calling thread does; more than max_batch_workers are not started); the input streams
// through a few blocks of lines, so memory stays bounded whatever its size.
int run_batch(std::istream& in, std::ostream& out, std::ostream& err, unsigned workers = 0);

}  // namespace carloan
