#include "storage/atomic_file_platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace carloan::atomic_file_platform {

// The write holds a lock on its temporary from start to end; the lock dies with the process, so
// a temporary that can be locked belongs to a write that will never finish.
int open_new(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // A clean-up took it in the instant before the lock and removes it: use another name.
        ::close(fd);
        errno = EEXIST;
        return -1;
    }
    return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
// A new file is private; a replaced one keeps its permissions. Set on the opened file, so the
// umask plays no part.
bool finish(int fd, const std::filesystem::path& target) {
    struct stat existing {};
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? existing.st_mode & 07777
                            : 0600;
    return ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
}
int close_file(int fd) {
    return ::close(fd);
}
bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
bool remove_if_abandoned(const std::filesystem::path& temporary) {
    const int fd =
        ::open(temporary.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool abandoned =
        ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = abandoned && ::unlink(temporary.c_str()) == 0;
    ::close(fd);
    return removed;
}
void sync_folder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace carloan::atomic_file_platform
