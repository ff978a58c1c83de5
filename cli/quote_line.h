#pragma once
// The request of one batch line. Nearly every line is a flat object of short strings and small
// integers under known keys; read_plain_quote_line (plain_quote_line.cpp) reads exactly such lines
// without building a JSON tree and declines every other line. parse_json_quote_line reads any line
// through the full JSON parser and words the reason when the line cannot be quoted. For every
// line the plain reader takes, both give the same request; parse_quote_line tries the plain
// reader first.

#include "cli/quote_request.h"

#include <string>
#include <string_view>
#include <variant>

namespace carloan {

// True with the request filled in, or false (the request then holds anything) for a line that
// is not plainly a quote: an escape \u, a value of another type or range than its key takes, an
// unknown key, a text code page 932 cannot hold, or anything not well-formed.
bool read_plain_quote_line(std::string_view line, quote_request& request);

// The request, or why the line cannot be quoted (a message that never echoes the line, so that
// it is always valid UTF-8).
std::variant<quote_request, std::string> parse_json_quote_line(std::string_view line);

std::variant<quote_request, std::string> parse_quote_line(std::string_view line);

}  // namespace carloan
