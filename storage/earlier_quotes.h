#pragma once
// Quotes that earlier versions kept in a folder the system empties (Windows' temporary folder),
// moved into the lasting quote folder.

#include <filesystem>
#include <vector>

namespace carloan {

// Moves each regular file of `from` whose name ends in ".car" in any case into `to`, one at a
// time, each atomically and never over a file of the same name. Returns the quotes left in
// `from` (full paths, sorted): those whose name `to` already holds and those whose move failed,
// each as it was. A missing or empty `from`, or `from` the same folder as `to`, moves nothing.
std::vector<std::filesystem::path> move_earlier_quotes(const std::filesystem::path& from,
                                                       const std::filesystem::path& to);

}  // namespace carloan
