#pragma once
// Quote files: the 464-byte quote record, written and read whole, and for a quote that carries a
// residual or price lines the extension block after it (storage/quote_extension.h).

#include "storage/quote_extension.h"
#include "storage/quote_record.h"

#include <filesystem>
#include <string>

namespace carloan {

// Writes the record so that the old file stays whole until the new one is complete.
// False when the file could not be written.
bool save_quote(const std::filesystem::path& path, const quote_record& record);
// The same with the extension block after the record; an empty extension writes the record alone.
bool save_quote_with_extension(const std::filesystem::path& path, const quote_record& record,
                               const quote_extension& extension);

// Reads the file over the record. False, with the record untouched, when the file is missing or
// unreadable, is not a regular file, or is not one record long, followed by nothing or by what
// begins as an extension block. The block itself is not read.
bool open_quote(const std::filesystem::path& path, quote_record& record);
// The same, with the extension: all zero when there is none, or when the block was cut short,
// is of a version this program does not know, or fails its checksum; then `block_message`
// (UTF-8, else empty) says so, for the caller to show, and the record opens all the same.
bool open_quote_with_extension(const std::filesystem::path& path, quote_record& record,
                               quote_extension& extension, std::string& block_message);

}  // namespace carloan
