#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go to a new file in
// the same folder, reach the disk, and only then take the old file's name.

#include <filesystem>
#include <span>

namespace carloan {

// True once `path` holds exactly `bytes`. On false the file at `path` is as it was and no
// temporary file is left over.
bool write_file_atomically(const std::filesystem::path& path, std::span<const char> bytes);

}  // namespace carloan
