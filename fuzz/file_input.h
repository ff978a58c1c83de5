#pragma once
// The loaders read files by path, so a harness hands them its bytes through one private file of
// its own, removed when the fuzzer exits.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace carloan::fuzzing {

inline const std::filesystem::path& private_file() {
    static const std::filesystem::path path = [] {
        std::string name =
            (std::filesystem::temp_directory_path() / "carloan-fuzz-XXXXXX").string();
        const int descriptor = ::mkstemp(name.data());
        if (descriptor < 0) {
            std::abort();
        }
        ::close(descriptor);
        return std::filesystem::path(name);
    }();
    static const bool removed_at_exit = [] {
        return std::atexit([] {
                   std::error_code ignored;
                   std::filesystem::remove(private_file(), ignored);
               }) == 0;
    }();
    (void)removed_at_exit;
    return path;
}

inline const std::filesystem::path& file_holding(const std::uint8_t* data, std::size_t size) {
    std::ofstream(private_file(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return private_file();
}

}  // namespace carloan::fuzzing
