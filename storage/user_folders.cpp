#include "storage/user_folders.h"

#include "storage/branch_settings_file.h"

#include <system_error>

namespace carloan {
namespace {

bool is_there(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

}  // namespace

std::filesystem::path branch_settings_location() {
    const std::filesystem::path own = own_branch_settings_file();
    if (!is_there(own) && is_there(branch_settings_file_name)) {
        return branch_settings_file_name;
    }
    return own;
}

}  // namespace carloan
