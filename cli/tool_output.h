#pragma once
// What a run of carloan-quote gives back: its exit status, and its output written whole.

#include <iosfwd>
#include <string_view>

namespace carloan {

inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_missing_input = 2;
inline constexpr int exit_schedule_refused = 3;

// Writes the whole output of a run; false, said on `err`, when it could not be written.
bool write_output(std::ostream& out, std::ostream& err, std::string_view text);

}  // namespace carloan
