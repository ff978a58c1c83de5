#include "storage/quote_file.h"

#include "storage/atomic_file.h"

#include <fstream>
#include <span>

namespace carloan {

bool save_quote(const std::filesystem::path& path, const quote_record& record) {
    return write_file_atomically(
        path, std::span<const char>(reinterpret_cast<const char*>(&record), sizeof record));
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
