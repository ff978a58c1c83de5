#include "storage/atomic_file_platform.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <system_error>

namespace carloan::atomic_file_platform {

existing_target inspect_target(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(target, error);
    switch (status.type()) {
        case std::filesystem::file_type::not_found:
            return existing_target::none;
        case std::filesystem::file_type::regular:
            return existing_target::regular_file;
        case std::filesystem::file_type::symlink:
            return existing_target::link;
        default:
            return existing_target::other;
    }
}

// Opened without sharing, a temporary cannot be removed by anyone while its write runs.
int open_new(const std::filesystem::path& path) {
    int fd = -1;
    _wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _SH_DENYRW,
              _S_IREAD | _S_IWRITE);
    return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
    const unsigned chunk = size > 0x40000000 ? 0x40000000u : static_cast<unsigned>(size);
    return _write(fd, data, chunk);
}
bool finish(int fd, const std::filesystem::path&) {
    return _commit(fd) == 0;
}
int close_file(int fd) {
    return _close(fd);
}
// The sharing mode guarded it only while it was open; a clean-up that takes it after the close
// makes the write start again.
int keep_guard(int) {
    return -1;
}
void release_guard(int) {}
bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
// Without MOVEFILE_REPLACE_EXISTING the move refuses a name that is taken.
rename_outcome rename_to_new_name(const std::filesystem::path& from,
                                  const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
        return rename_outcome::renamed;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? rename_outcome::name_taken
           : error == ERROR_NOT_SAME_DEVICE ? rename_outcome::other_volume
                                            : rename_outcome::failed;
}
bool remove_if_abandoned(const std::filesystem::path& temporary) {
    std::error_code ignored;
    return std::filesystem::remove(temporary, ignored);
}
// The move is written through instead.
void sync_folder(const std::filesystem::path&) {}

}  // namespace carloan::atomic_file_platform
