#pragma once
// "car.ini": the branch settings record, read at start-up and written by 更新.

#include "storage/branch_settings.h"

#include <filesystem>

namespace carloan {

inline const std::filesystem::path branch_settings_file_name = "car.ini";

// Reads up to 491 bytes of the file over the record; a missing or short file leaves the rest of
// the record as it was. Anything but a regular file (a FIFO, a device, a folder) counts as
// missing, and is never waited on.
void load_branch_settings(branch_settings& settings,
                          const std::filesystem::path& path = branch_settings_file_name);

// Writes all 491 bytes atomically, making the file's folder (private) when it is missing. False
// when the file could not be written.
bool store_branch_settings(const branch_settings& settings,
                           const std::filesystem::path& path = branch_settings_file_name);

}  // namespace carloan
