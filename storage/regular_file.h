#pragma once
// Reading a file that may be anything at all: a clerk's folder can hold a FIFO, a device or a
// link to either under a quote's name, and opening one must neither wait nor read it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>

namespace carloan {

struct regular_file_read {
    std::size_t file_size;  // as the file system gave it when the file was opened
    std::size_t bytes_read;
};

// Reads up to `into.size()` bytes from the start of `path` into `into`. Nothing, and nothing
// read, when the path is not a regular file once opened (a link is followed to what it names)
// or cannot be opened. Never blocks on a FIFO.
std::optional<regular_file_read> read_regular_file(const std::filesystem::path& path,
                                                   std::span<char> into);

}  // namespace carloan
