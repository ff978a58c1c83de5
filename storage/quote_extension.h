#pragma once
// The extension block of a quote file: what a quote carries beyond the 464-byte record (the
// residual and the dealer's price lines), appended after the record as a tag, a version, a
// length, the fields and a CRC-32 of all that precedes it. An ordinary quote has no block, so
// its file stays the record alone; a reader that knows only the record reads its first 464 bytes.
//
// The price lines are kept as the form's texts, as the record keeps every other input, so that
// an opened quote shows what was typed and is recalculated by the one reading rule. The residual
// is kept in yen, the figure quoted, with the percentage it was typed as, if any.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace carloan {

struct quote_extension {
    std::int32_t residual;          // yen; 0 for none
    std::int32_t residual_percent;  // hundredths of a percent of the vehicle price; 0 in yen
    char vehicle_price_text[16];
    char accessories_text[16];
    char expenses_text[16];
    char discount_text[16];
    char down_payment_text[16];
    char trade_in_text[16];
};

static_assert(offsetof(quote_extension, residual) == 0);
static_assert(offsetof(quote_extension, residual_percent) == 4);
static_assert(offsetof(quote_extension, vehicle_price_text) == 8);
static_assert(offsetof(quote_extension, accessories_text) == 24);
static_assert(offsetof(quote_extension, expenses_text) == 40);
static_assert(offsetof(quote_extension, discount_text) == 56);
static_assert(offsetof(quote_extension, down_payment_text) == 72);
static_assert(offsetof(quote_extension, trade_in_text) == 88);
static_assert(sizeof(quote_extension) == 104);

inline constexpr char extension_tag[4] = {'Q', 'E', 'X', 'T'};
inline constexpr std::int32_t extension_version = 1;

struct extension_block {
    char tag[4];
    std::int32_t version;
    std::int32_t length;  // bytes of the fields
    quote_extension fields;
    std::uint32_t checksum;  // CRC-32 (IEEE) of the bytes before it
};

static_assert(offsetof(extension_block, tag) == 0);
static_assert(offsetof(extension_block, version) == 4);
static_assert(offsetof(extension_block, length) == 8);
static_assert(offsetof(extension_block, fields) == 12);
static_assert(offsetof(extension_block, checksum) == 116);
static_assert(sizeof(extension_block) == 120);
static_assert(std::endian::native == std::endian::little);

// Bytes after the record that a reader looks at; a longer file is no quote.
inline constexpr std::size_t longest_extension = 4096;

// Whether the extension holds nothing, so that the quote is saved as the record alone.
bool is_empty(const quote_extension& extension);

extension_block block_of(const quote_extension& extension);

std::uint32_t crc32(std::span<const char> bytes);

// What the bytes after a record are.
struct extension_reading {
    bool quote = true;  // false: no block at all, but something else; the file is no quote
    std::optional<quote_extension> extension;  // a whole block of the known version
    std::string message;  // UTF-8: why a block was ignored (cut short, unknown, damaged)
};

extension_reading read_extension(std::span<const char> after_record);

}  // namespace carloan
