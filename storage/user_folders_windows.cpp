#include "storage/user_folders.h"

#include "storage/branch_settings_file.h"

#include <shlobj.h>
#include <windows.h>

#include <stdlib.h>

#include <system_error>

namespace carloan {
namespace {

// The roaming application data folder: %APPDATA% as the desktop sets it, else the shell's own
// answer.
std::filesystem::path application_data() {
    if (const wchar_t* variable = _wgetenv(L"APPDATA"); variable != nullptr) {
        const std::filesystem::path folder(variable);
        if (folder.is_absolute()) {
            return folder;
        }
    }
    std::filesystem::path folder;
    wchar_t* known = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known) == S_OK) {
        folder = known;
    }
    CoTaskMemFree(known);
    return folder;
}

std::filesystem::path program_folder() {
    const std::filesystem::path data = application_data();
    return data.empty() ? data : data / L"carloan";
}

}  // namespace

std::filesystem::path quote_folder() {
    const std::filesystem::path base = program_folder();
    if (base.empty()) {
        return {};
    }
    const std::filesystem::path folder = base / L"quotes";
    // A folder that cannot be made is reported by the save that needs it.
    make_private_folder(folder);
    return folder;
}

std::filesystem::path earlier_quote_folder() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::filesystem::path(std::wstring(buffer, length));
}

std::filesystem::path own_branch_settings_file() {
    const std::filesystem::path base = program_folder();
    // With no profile folder at all, saving says it failed rather than writing beside the program.
    return base.empty() ? std::filesystem::path() : base / branch_settings_file_name;
}

// The profile's folders are the user's alone already; what is made in them inherits that.
bool make_private_folder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

}  // namespace carloan
