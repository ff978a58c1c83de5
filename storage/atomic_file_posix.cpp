#include "storage/atomic_file_platform.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace carloan::atomic_file_platform {

existing_target inspect_target(const std::filesystem::path& target) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
        return errno == ENOENT ? existing_target::none : existing_target::other;
    }
    if (S_ISREG(info.st_mode)) {
        return existing_target::regular_file;
    }
    return S_ISLNK(info.st_mode) ? existing_target::link : existing_target::other;
}

// The write holds a lock on its temporary from start to rename; the lock dies with the process,
// so a temporary that can be locked belongs to a write that will never finish.
int open_new(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return -1;
    }
    // A clean-up may have taken the file in the instant before the lock: locked by it, or locked
    // by us once it was removed. Either way another name is used.
    struct stat opened {};
    struct stat named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 ||
        ::stat(path.c_str(), &named) != 0 || opened.st_ino != named.st_ino ||
        opened.st_dev != named.st_dev) {
        ::close(fd);
        errno = EEXIST;
        return -1;
    }
    return fd;
}
long write_some(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
// A new file is private; one that replaces a regular file keeps its permissions, and one that
// replaces a link does not take those of what the link names. Set on the opened file, so the
// umask plays no part.
bool finish(int fd, const std::filesystem::path& target) {
    struct stat existing {};
    const mode_t mode = ::lstat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                            ? existing.st_mode & 07777
                            : 0600;
    return ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
}
int close_file(int fd) {
    return ::close(fd);
}
// A second descriptor of the same open file holds the same lock.
int keep_guard(int fd) {
    return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}
void release_guard(int guard) {
    if (guard >= 0) {
        ::close(guard);
    }
}
bool replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
// A second name, then the first one gone: the file is never without a name, and link() refuses a
// name that is taken.
rename_outcome rename_to_new_name(const std::filesystem::path& from,
                                  const std::filesystem::path& to) {
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST  ? rename_outcome::name_taken
               : errno == EXDEV ? rename_outcome::other_volume
                                : rename_outcome::failed;
    }
    ::unlink(from.c_str());
    return rename_outcome::renamed;
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
