#pragma once
// What an atomic write needs of the operating system, one file per platform:
// atomic_file_posix.cpp and atomic_file_windows.cpp. Calls that fail leave errno set.

#include <cstddef>
#include <filesystem>

namespace carloan::atomic_file_platform {

// What a write finds at its target's name. Only a missing name, a regular file or a link is
// replaced; a link is replaced itself, never followed.
enum class existing_target { none, regular_file, link, other };
existing_target inspect_target(const std::filesystem::path& target);

// Creates a new file for writing only, failing with EEXIST when the name is taken; -1 on failure.
int open_new(const std::filesystem::path& path);

// Writes some of the bytes: how many, or a negative number.
long write_some(int fd, const char* data, std::size_t size);

// Brings the written file to the disk with the permissions it is to have as `target`.
bool finish(int fd, const std::filesystem::path& target);

int close_file(int fd);

// Keeps what guards the temporary of `fd` from clean-ups past close_file, until release_guard:
// the rename then happens under it. -1 where nothing needs keeping.
int keep_guard(int fd);
void release_guard(int guard);

// Gives `from` the name `to`, replacing what `to` named, in one step.
bool replace(const std::filesystem::path& from, const std::filesystem::path& to);

// Gives `from` the name `to` in one step when `to` names nothing, never replacing it.
enum class rename_outcome { renamed, name_taken, other_volume, failed };
rename_outcome rename_to_new_name(const std::filesystem::path& from,
                                  const std::filesystem::path& to);

// Removes a temporary of a write that will never finish; one that a running write holds stays.
bool remove_if_abandoned(const std::filesystem::path& temporary);

// Makes a rename in the folder survive a power cut.
void sync_folder(const std::filesystem::path& folder);

}  // namespace carloan::atomic_file_platform
