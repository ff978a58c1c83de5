#include "storage/user_folders.h"

#include "storage/branch_settings_file.h"

#include <windows.h>

#include <system_error>

namespace carloan {

std::filesystem::path quote_folder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::filesystem::path(std::wstring(buffer, length));
}

std::filesystem::path branch_settings_location() {
    return branch_settings_file_name;
}

bool make_private_folder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace carloan
