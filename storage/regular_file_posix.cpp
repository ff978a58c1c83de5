#include "storage/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace carloan {

std::optional<regular_file_read> read_regular_file(const std::filesystem::path& path,
                                                   std::span<char> into) {
    // Looking first spares opening a device at all (some act on being opened); the check that
    // counts is the one on the opened file, which cannot be swapped underneath.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::optional<regular_file_read> result;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Not waiting was for the open; a regular file is read as usual.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        std::size_t done = 0;
        bool failed = false;
        while (done < into.size()) {
            const ssize_t got = ::read(fd, into.data() + done, into.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                failed = got < 0;
                break;
            }
            done += static_cast<std::size_t>(got);
        }
        if (!failed) {
            result = regular_file_read{static_cast<std::size_t>(info.st_size), done};
        }
    }
    ::close(fd);
    return result;
}

}  // namespace carloan
