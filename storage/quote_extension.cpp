#include "storage/quote_extension.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace carloan {
namespace {

constexpr std::size_t header_size = offsetof(extension_block, fields);
constexpr std::size_t checksum_size = sizeof(std::uint32_t);

constexpr std::array<std::uint32_t, 256> crc_table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}();

extension_reading ignored(const char* message) {
    return {true, std::nullopt, message};
}

}  // namespace

bool is_empty(const quote_extension& extension) {
    const quote_extension none{};
    return std::memcmp(&extension, &none, sizeof none) == 0;
}

std::uint32_t crc32(std::span<const char> bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        c = crc_table[(c ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

extension_block block_of(const quote_extension& extension) {
    extension_block block{};
    std::memcpy(block.tag, extension_tag, sizeof block.tag);
    block.version = extension_version;
    block.length = sizeof(quote_extension);
    block.fields = extension;
    block.checksum = crc32(
        std::span(reinterpret_cast<const char*>(&block), offsetof(extension_block, checksum)));
    return block;
}

// Nothing after the record is an ordinary quote. Bytes that do not begin as a block does (the
// tag, or the start of it when cut short) are some other file under a quote's name. Anything
// else the reader does not trust: a block cut short, of another version or length, or whose
// checksum fails is left out with a message, and the record still opens.
extension_reading read_extension(std::span<const char> tail) {
    if (tail.empty()) {
        return {};
    }
    const std::size_t tag_bytes = std::min(tail.size(), sizeof extension_tag);
    if (!std::equal(tail.begin(), tail.begin() + static_cast<std::ptrdiff_t>(tag_bytes),
                    extension_tag)) {
        return {false, std::nullopt, {}};
    }
    const char* const cut_short = "残価・価格明細の記録が途中で切れているため読み込みませんでした";
    const char* const damaged = "残価・価格明細の記録が壊れているため読み込みませんでした";
    if (tail.size() < header_size) {
        return ignored(cut_short);
    }
    std::int32_t version = 0;
    std::int32_t length = 0;
    std::memcpy(&version, tail.data() + offsetof(extension_block, version), sizeof version);
    std::memcpy(&length, tail.data() + offsetof(extension_block, length), sizeof length);
    if (length < 0 || static_cast<std::size_t>(length) > longest_extension) {
        return ignored(damaged);
    }
    const std::size_t whole = header_size + static_cast<std::size_t>(length) + checksum_size;
    if (tail.size() < whole) {
        return ignored(cut_short);
    }
    if (tail.size() > whole) {
        return ignored(damaged);
    }
    std::uint32_t checksum = 0;
    std::memcpy(&checksum, tail.data() + whole - checksum_size, sizeof checksum);
    if (crc32(tail.first(whole - checksum_size)) != checksum) {
        return ignored(damaged);
    }
    if (version != extension_version || length != sizeof(quote_extension)) {
        return ignored("残価・価格明細の記録の形式が分からないため読み込みませんでした");
    }
    quote_extension fields;
    std::memcpy(&fields, tail.data() + header_size, sizeof fields);
    return {true, fields, {}};
}

}  // namespace carloan
