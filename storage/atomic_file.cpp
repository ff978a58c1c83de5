#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace carloan {
namespace {

#ifdef _WIN32
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
bool sync(int fd) {
    return _commit(fd) == 0;
}
int close_file(int fd) {
    return _close(fd);
}
bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
#else
int open_new(const std::filesystem::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
long write_some(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
bool sync(int fd) {
    return ::fsync(fd) == 0;
}
int close_file(int fd) {
    return ::close(fd);
}
bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
#endif

bool write_all(int fd, std::span<const char> bytes) {
    while (!bytes.empty()) {
        const long written = write_some(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

// A name no other writer uses: hidden, next to the target so that the rename stays within one
// file system.
std::filesystem::path temporary_name(const std::filesystem::path& path) {
    static thread_local std::mt19937 random{std::random_device{}()};
    std::filesystem::path name = ".";
    name += path.filename();
    name += "." + std::to_string(random()) + ".tmp";
    return path.parent_path() / name;
}

// Makes the rename itself survive a power cut; on Windows the move is written through instead.
void sync_folder([[maybe_unused]] const std::filesystem::path& path) {
#ifndef _WIN32
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

}  // namespace

bool write_file_atomically(const std::filesystem::path& path, std::span<const char> bytes) {
    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporary_name(path);
        fd = open_new(temporary);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    bool written = write_all(fd, bytes) && sync(fd);
    written = close_file(fd) == 0 && written;

    if (!written || !replace(temporary, path)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    sync_folder(path);
    return true;
}

}  // namespace carloan
