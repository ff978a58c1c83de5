#include "cli/main_platform.h"
#include "cli/quote_tool.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    carloan::use_binary_standard_output();
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return carloan::run_tool(args, std::cin, std::cout, std::cerr);
}
