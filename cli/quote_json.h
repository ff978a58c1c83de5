#pragma once
// Quotes as JSON lines: an input line becomes the texts and flags the calculation reads, and a
// calculation's outcome becomes one output line. Input texts arrive as UTF-8 and reach the
// calculation as code page 932, cut as a field read would cut them.

#include "calc/calculate.h"

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
void append_error_json(std::string& out, std::string_view message);
// A JSON string literal of valid UTF-8.
void append_json_string(std::string& out, std::string_view utf8);

inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_missing_input = 2;

// One output line for each input line, in order. A line that cannot be quoted gives
// {"error": ...} and a message naming its line number on `err`; the batch goes on. A missing
// input is the calculation's own answer, not a failure. Gives exit_failure when any line failed
// or the output could not be written.
int run_batch(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace carloan
