#pragma once
// The two rules of JSON strings that both the line readers and the writers need: how a text is
// written as a string literal, and which bytes stand for themselves inside one.

#include <cstddef>
#include <string>
#include <string_view>

namespace carloan {

// A JSON string literal of valid UTF-8.
void append_json_string(std::string& out, std::string_view utf8);

// The length of the leading run of bytes that a JSON string holds as they are: printable ASCII
// other than '"' and '\\'.
std::size_t plain_json_run(std::string_view text);

}  // namespace carloan
