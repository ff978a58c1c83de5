#pragma once
// Runs carloan-quote in the test's own process, on string streams.

#include "cli/quote_tool.h"

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace carloan::testing {

struct tool_run {
    int status;
    std::string out;
    std::string err;
};

inline tool_run run(std::vector<std::string_view> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_tool(args, in, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string_view> with(std::vector<std::string_view> args,
                                          std::initializer_list<std::string_view> more) {
    args.insert(args.end(), more);
    return args;
}

}  // namespace carloan::testing
