#include "storage/quote_file.h"

#include "storage/atomic_file.h"
#include "storage/regular_file.h"

#include <array>
#include <cstring>
#include <span>

namespace carloan {

bool save_quote(const std::filesystem::path& path, const quote_record& record) {
    return write_file_atomically(
        path, std::span<const char>(reinterpret_cast<const char*>(&record), sizeof record));
}

bool save_quote_with_extension(const std::filesystem::path& path, const quote_record& record,
                               const quote_extension& extension) {
    if (is_empty(extension)) {
        return save_quote(path, record);
    }
    std::array<char, sizeof(quote_record) + sizeof(extension_block)> bytes{};
    const extension_block block = block_of(extension);
    std::memcpy(bytes.data(), &record, sizeof record);
    std::memcpy(bytes.data() + sizeof record, &block, sizeof block);
    return write_file_atomically(path, bytes);
}

bool open_quote_with_extension(const std::filesystem::path& path, quote_record& record,
                               quote_extension& extension, std::string& block_message) {
    std::array<char, sizeof(quote_record) + longest_extension> bytes{};
    const std::optional<regular_file_read> file = read_regular_file(path, bytes);
    // A quote file is one record and at most a block; any other size or content is some other
    // file under a quote's name (a link to a system file, say) and is not shown as a quote.
    if (!file || file->file_size < sizeof record || file->file_size > bytes.size() ||
        file->bytes_read != file->file_size) {
        return false;
    }
    const extension_reading tail = read_extension(
        std::span<const char>(bytes).subspan(sizeof record, file->bytes_read - sizeof record));
    if (!tail.quote) {
        return false;
    }
    std::memcpy(&record, bytes.data(), sizeof record);
    extension = tail.extension.value_or(quote_extension{});
    block_message = tail.message;
    return true;
}

bool open_quote(const std::filesystem::path& path, quote_record& record) {
    quote_extension extension{};
    std::string block_message;
    return open_quote_with_extension(path, record, extension, block_message);
}

}  // namespace carloan
