#include "storage/quote_file.h"

#include "storage/atomic_file.h"
#include "storage/regular_file.h"

#include <span>

namespace carloan {

bool save_quote(const std::filesystem::path& path, const quote_record& record) {
    return write_file_atomically(
        path, std::span<const char>(reinterpret_cast<const char*>(&record), sizeof record));
}

bool open_quote(const std::filesystem::path& path, quote_record& record) {
    quote_record read{};
    const std::optional<regular_file_read> file =
        read_regular_file(path, std::span(reinterpret_cast<char*>(&read), sizeof read));
    // Every quote file is exactly one record; any other size is some other file under a quote's
    // name (a link to a system file, say) and is not shown as a quote.
    if (!file || file->file_size != sizeof read || file->bytes_read != sizeof read) {
        return false;
    }
    record = read;
    return true;
}

}  // namespace carloan
