#include "cli/quote_tool.h"

#include <iostream>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The same bytes on every platform: the CSV carries its own CR LF, which text mode would
    // double into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return carloan::run_tool(args, std::cin, std::cout, std::cerr);
}
