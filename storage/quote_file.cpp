#include "storage/quote_file.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <fstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace carloan {
namespace {

namespace fs = std::filesystem;

// A name beside the target that no listing picks up and no other writer chooses.
fs::path temporary_beside(const fs::path& path, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const long process = static_cast<long>(getpid());
#endif
    fs::path name = ".";
    name += path.filename();
    name += "." + std::to_string(process) + "-" + std::to_string(counter++) + "-" +
            std::to_string(attempt) + ".tmp";
    return path.parent_path() / name;
}

#ifdef _WIN32

bool write_new_file(const fs::path& temporary, const char* data, std::size_t size, bool& exists) {
    const int file =
        _wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
               _S_IREAD | _S_IWRITE);
    exists = file < 0 && errno == EEXIST;
    if (file < 0) {
        return false;
    }
    const bool written =
        _write(file, data, static_cast<unsigned>(size)) == static_cast<int>(size) &&
        _commit(file) == 0;
    return (_close(file) == 0) && written;
}

bool replace_file(const fs::path& temporary, const fs::path& path) {
    return MoveFileExW(temporary.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

bool write_new_file(const fs::path& temporary, const char* data, std::size_t size, bool& exists) {
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    exists = file < 0 && errno == EEXIST;
    if (file < 0) {
        return false;
    }
    bool written = true;
    while (size > 0) {
        const ssize_t count = ::write(file, data, size);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            written = false;
            break;
        }
        data += count;
        size -= static_cast<std::size_t>(count);
    }
    written = written && ::fsync(file) == 0;
    return (::close(file) == 0) && written;
}

bool replace_file(const fs::path& temporary, const fs::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return false;
    }
    // Makes the rename itself survive a power cut; the data is already on disk.
    fs::path folder = path.parent_path();
    const int directory = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
    return true;
}

#endif

// The old file stays whole until the new one is complete on disk.
bool write_atomically(const fs::path& path, const char* data, std::size_t size) {
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        const fs::path temporary = temporary_beside(path, attempt);
        bool exists = false;
        const bool written = write_new_file(temporary, data, size, exists);
        if (!written && exists) {
            continue;
        }
        if (written && replace_file(temporary, path)) {
            return true;
        }
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return false;
}

}  // namespace

bool save_quote(const std::filesystem::path& path, const quote_record& record) {
    return write_atomically(path, reinterpret_cast<const char*>(&record), sizeof record);
}

bool open_quote(const std::filesystem::path& path, quote_record& record) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    quote_record read{};
    file.read(reinterpret_cast<char*>(&read), sizeof read);
    if (file.gcount() != static_cast<std::streamsize>(sizeof read)) {
        return false;
    }
    record = read;
    return true;
}

}  // namespace carloan
