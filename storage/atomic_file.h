#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go to a new file in
// the same folder, reach the disk, and only then take the old file's name. The new file is
// private (0600) unless it replaces one, whose permissions it keeps.

#include <chrono>
#include <filesystem>
#include <span>

namespace carloan {

// True once `path` holds exactly `bytes`. On false the file at `path` is as it was and no
// temporary file is left over. A success also removes what earlier writes of the same file,
// cut off by a crash or a kill, left behind.
bool write_file_atomically(const std::filesystem::path& path, std::span<const char> bytes);

// Removes the temporary files of cut-off writes in the folder that are older than `age` and
// that no running write holds.
void remove_abandoned_temporaries(const std::filesystem::path& folder, std::chrono::seconds age);

}  // namespace carloan
