#include "storage/branch_settings_file.h"

#include "storage/atomic_file.h"
#include "storage/regular_file.h"
#include "storage/user_folders.h"

namespace carloan {

void load_branch_settings(branch_settings& settings, const std::filesystem::path& path) {
    // A short file puts its bytes over the start of the record; the rest keeps what it held.
    // Anything but a regular file reads as a missing one.
    read_regular_file(path, std::span(reinterpret_cast<char*>(&settings), sizeof settings));
}

bool store_branch_settings(const branch_settings& settings, const std::filesystem::path& path) {
    if (path.has_parent_path() && !make_private_folder(path.parent_path())) {
        return false;
    }
    return write_file_atomically(
        path, std::span(reinterpret_cast<const char*>(&settings), sizeof settings));
}

}  // namespace carloan
