#include "storage/regular_file.h"

#include <fstream>
#include <system_error>

namespace carloan {

// Folders of a Windows desktop hold no FIFOs; devices are refused by name when quotes are saved.
std::optional<regular_file_read> read_regular_file(const std::filesystem::path& path,
                                                   std::span<char> into) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    if (error || !file) {
        return std::nullopt;
    }
    file.read(into.data(), static_cast<std::streamsize>(into.size()));
    return regular_file_read{static_cast<std::size_t>(size),
                             static_cast<std::size_t>(file.gcount())};
}

}  // namespace carloan
