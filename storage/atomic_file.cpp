#include "storage/atomic_file.h"

#include "storage/atomic_file_platform.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

namespace carloan {
namespace {

using namespace atomic_file_platform;

using native_string = std::filesystem::path::string_type;
using native_view = std::basic_string_view<std::filesystem::path::value_type>;

std::atomic<int> failing_step{-1};

// As the disk would fail the step: with errno set, after writing part of the bytes for a write.
bool fails_at(write_step step) {
    if (failing_step.load(std::memory_order_relaxed) != static_cast<int>(step)) {
        return false;
    }
    errno = step == write_step::write ? ENOSPC : EIO;
    return true;
}

bool write_all(int fd, std::span<const char> bytes) {
    if (failing_step.load(std::memory_order_relaxed) == static_cast<int>(write_step::write)) {
        bytes = bytes.first(bytes.size() / 2);
    }
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
    return !fails_at(write_step::write);
}

std::filesystem::path folder_of(const std::filesystem::path& path) {
    return path.parent_path().empty() ? "." : path.parent_path();
}

// ".NAME.N.tmp": hidden, next to the target so that the rename stays within one file system, and
// N random so that no other writer uses it. Drawn afresh each time: a generator's state would be
// shared by every process forked from one that had drawn from it.
std::filesystem::path temporary_name(const std::filesystem::path& path) {
    std::filesystem::path name = ".";
    name += path.filename();
    name += "." + std::to_string(std::random_device{}()) + ".tmp";
    return path.parent_path() / name;
}

// Whether `entry` is named as a temporary of a file named `target`, or of any file when
// `target` is empty: ".abc.car.123.tmp" is one of "abc.car", ".abc.car.12.tmp.tmp" is not.
bool is_temporary_name(native_view entry, native_view target) {
    constexpr std::string_view tail = ".tmp";
    if (entry.size() < 1 + tail.size() + 2 || entry.front() != '.' ||
        !std::equal(tail.rbegin(), tail.rend(), entry.rbegin())) {
        return false;
    }
    native_view middle = entry.substr(1, entry.size() - 1 - tail.size());  // "abc.car.123"
    const std::size_t dot = middle.find_last_of('.');
    if (dot == native_view::npos || dot == 0 || dot + 1 == middle.size()) {
        return false;
    }
    const native_view number = middle.substr(dot + 1);
    const bool digits =
        std::all_of(number.begin(), number.end(), [](auto c) { return c >= '0' && c <= '9'; });
    return digits && (target.empty() || middle.substr(0, dot) == target);
}

void remove_temporaries(const std::filesystem::path& folder, native_view target,
                        std::chrono::seconds age) {
    const auto now = std::filesystem::file_time_type::clock::now();
    std::error_code error;
    // `age` zero: every abandoned temporary, however recent (or dated ahead by a skewed clock).
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
         !error && it != end; it.increment(error)) {
        const native_string name = it->path().filename().native();
        if (!is_temporary_name(name, target)) {
            continue;
        }
        if (age.count() > 0) {
            std::error_code time_error;
            const auto written = std::filesystem::last_write_time(it->path(), time_error);
            if (time_error || now - written < age) {
                continue;
            }
        }
        remove_if_abandoned(it->path());
    }
}

enum class outcome { written, failed, temporary_lost };

outcome write_through_temporary(const std::filesystem::path& path, std::span<const char> bytes) {
    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        if (fails_at(write_step::open)) {
            return outcome::failed;
        }
        temporary = temporary_name(path);
        fd = open_new(temporary);
        if (fd < 0 && errno != EEXIST) {
            return outcome::failed;
        }
    }
    if (fd < 0) {
        return outcome::failed;
    }
    bool written = write_all(fd, bytes) && !fails_at(write_step::sync) && finish(fd, path);
    const int guard = keep_guard(fd);
    written = close_file(fd) == 0 && !fails_at(write_step::close) && written;

    const bool replaced = written && !fails_at(write_step::rename) && replace(temporary, path);
    const int error = errno;
    release_guard(guard);
    if (!replaced) {
        // The temporary went missing, though not with its folder: another process's clean-up
        // took it between its creation and its lock.
        std::error_code ignored;
        const bool lost =
            written && error == ENOENT && std::filesystem::exists(folder_of(temporary), ignored);
        std::filesystem::remove(temporary, ignored);
        return lost ? outcome::temporary_lost : outcome::failed;
    }
    return outcome::written;
}

}  // namespace

bool may_write_over(const std::filesystem::path& path) {
    std::error_code error;
    return inspect_target(path) != existing_target::other &&
           std::filesystem::is_directory(folder_of(path), error);
}

bool write_file_atomically(const std::filesystem::path& path, std::span<const char> bytes) {
    // A device, a FIFO or a folder under the name would be replaced by a plain file.
    if (inspect_target(path) == existing_target::other) {
        errno = EEXIST;
        return false;
    }
    // A clean-up of another process can take a temporary in the instant between its creation and
    // its lock; writing once more then succeeds.
    outcome result = outcome::temporary_lost;
    for (int attempt = 0; attempt < 3 && result == outcome::temporary_lost; ++attempt) {
        result = write_through_temporary(path, bytes);
    }
    if (result != outcome::written) {
        return false;
    }
    sync_folder(folder_of(path));
    remove_temporaries(folder_of(path), path.filename().native(), std::chrono::seconds(0));
    return true;
}

bool move_to_new_name(const std::filesystem::path& from, const std::filesystem::path& to) {
    const rename_outcome renamed = rename_to_new_name(from, to);
    if (renamed != rename_outcome::other_volume) {
        return renamed == rename_outcome::renamed;
    }
    std::ifstream source(from, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(source), {}};
    if (!source.good() && !source.eof()) {
        return false;
    }
    // The copy takes its name in one step too, so a name taken meanwhile is never written over.
    const std::filesystem::path passing =
        to.parent_path() / (std::filesystem::path(".").native() + to.filename().native() +
                            std::filesystem::path(".moving").native());
    if (!write_file_atomically(passing, bytes)) {
        return false;
    }
    if (rename_to_new_name(passing, to) != rename_outcome::renamed) {
        std::error_code ignored;
        std::filesystem::remove(passing, ignored);
        return false;
    }
    std::error_code ignored;
    std::filesystem::remove(from, ignored);
    return true;
}

void remove_abandoned_temporaries(const std::filesystem::path& folder, std::chrono::seconds age) {
    remove_temporaries(folder, {}, age);
}

void fail_writes_at(std::optional<write_step> step) {
    failing_step.store(step ? static_cast<int>(*step) : -1, std::memory_order_relaxed);
}

}  // namespace carloan
