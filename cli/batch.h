#pragma once
// carloan-quote --batch: one JSON line in, one JSON line out, for any number of lines.

#include <cstddef>
#include <iosfwd>

namespace carloan {

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
