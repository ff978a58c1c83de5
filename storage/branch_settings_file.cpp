#include "storage/branch_settings_file.h"

#include "storage/atomic_file.h"

#include <fstream>

namespace carloan {

void load_branch_settings(branch_settings& settings, const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    // A short read has already put its bytes over the record; the rest keeps what it held.
    file.read(reinterpret_cast<char*>(&settings), sizeof settings);
}

bool store_branch_settings(const branch_settings& settings, const std::filesystem::path& path) {
    return write_file_atomically(
        path, std::span(reinterpret_cast<const char*>(&settings), sizeof settings));
}

}  // namespace carloan
