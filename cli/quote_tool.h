#pragma once
// carloan-quote as a function: options in, a quote table, a JSON object or a batch of JSON lines
// out, and the exit status. main only hands it the process's arguments and streams.

#include "cli/tool_options.h"
#include "cli/tool_output.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace carloan {

// args excludes the program name.
int run_tool(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace carloan
