#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go to a new file in
// the same folder, reach the disk, and only then take the old file's name. The new file is
// private (0600) unless it replaces a regular file, whose permissions it keeps. Only a new name, a
// regular file or a link (replaced itself) is written over: never a device, FIFO or folder.

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>

namespace carloan {

// True once `path` holds exactly `bytes`. On false the file at `path` is as it was and no
// temporary file is left over. A success also removes what earlier writes of the same file,
// cut off by a crash or a kill, left behind.
bool write_file_atomically(const std::filesystem::path& path, std::span<const char> bytes);

// Whether a write of `path` could take its name: its folder is there, and the name is new or
// names what a write may replace. Lets a run check all its outputs before it writes any.
bool may_write_over(const std::filesystem::path& path);

// Moves the file `from` to the new name `to`, never over a file already there: in one step on
// one volume; across volumes as an atomic write of its bytes under a passing name, renamed to
// `to`, after which `from` is removed. True once `to` holds the file; on false `from` is as it
// was and `to` as it was.
bool move_to_new_name(const std::filesystem::path& from, const std::filesystem::path& to);

// Removes the temporary files of cut-off writes in the folder that are older than `age` and
// that no running write holds.
void remove_abandoned_temporaries(const std::filesystem::path& folder, std::chrono::seconds age);

// The steps of a write, each of which a full or failing disk can stop.
enum class write_step { open, write, sync, close, rename };

// Tests only: makes every later write of this process fail at `step` as the disk would, the write
// step after half the bytes; nullopt ends it.
void fail_writes_at(std::optional<write_step> step);

}  // namespace carloan
