#pragma once
// What the desktop program answers on its command line. --help and --version are answered on
// standard output before any window exists, so they work without a display; anything else on
// the command line is left alone and the program starts as usual.

#include <optional>
#include <ostream>
#include <span>

namespace carloan {

// The exit status when the command line only asked for information, which has then been written
// to `out`; nothing when the program should go on to its window.
std::optional<int> answer_information_request(std::span<char* const> arguments, std::ostream& out);

}  // namespace carloan
