#include "storage/user_folders.h"

#include "storage/branch_settings_file.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

namespace carloan {
namespace {

std::filesystem::path absolute_or_empty(const char* text) {
    if (text == nullptr) {
        return {};
    }
    std::filesystem::path path(text);
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path home_folder() {
    std::filesystem::path home = absolute_or_empty(std::getenv("HOME"));
    if (home.empty()) {
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
            found != nullptr) {
            home = absolute_or_empty(found->pw_dir);
        }
    }
    // With no home at all the folders below the root cannot be made, and saving says so,
    // rather than writing into whatever the working directory is.
    return home.empty() ? std::filesystem::path("/") : home;
}

// A base folder of the desktop's conventions: the variable when it holds an absolute path (a
// relative one is to be ignored), else its default under the home folder.
std::filesystem::path base_folder(const char* variable, const char* under_home) {
    std::filesystem::path folder = absolute_or_empty(std::getenv(variable));
    return folder.empty() ? home_folder() / under_home : folder;
}

}  // namespace

std::filesystem::path quote_folder() {
    const std::filesystem::path folder =
        base_folder("XDG_DATA_HOME", ".local/share") / "carloan" / "quotes";
    // A folder that cannot be made is reported by the save that needs it.
    make_private_folder(folder);
    // One made by someone else is used as it is, the clerk's own choice; but quotes hold
    // customers' names, so the clerk is told once that others can look in.
    static std::atomic_flag warned;
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0 && (info.st_mode & 077) != 0 && !warned.test_and_set()) {
        const std::string message = "carloan: the quote folder " + folder.string() +
                                    " is open to other users; quotes saved there are not private\n";
        std::fputs(message.c_str(), stderr);
    }
    return folder;
}

std::filesystem::path earlier_quote_folder() {
    return {};
}

std::filesystem::path own_branch_settings_file() {
    return base_folder("XDG_CONFIG_HOME", ".config") / "carloan" / branch_settings_file_name;
}

bool make_private_folder(const std::filesystem::path& folder) {
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error)) {
        return !folder.empty();
    }
    const std::filesystem::path parent = folder.parent_path();
    if (parent != folder && !parent.empty() && !make_private_folder(parent)) {
        return false;
    }
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The mode asked for passes through the umask; the folder is to be exactly private.
        ::chmod(folder.c_str(), 0700);
        return true;
    }
    return errno == EEXIST && std::filesystem::is_directory(folder, error);
}

}  // namespace carloan
