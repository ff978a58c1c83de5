#pragma once
// Quote files: the 464-byte quote record, written and read whole.

#include "storage/quote_record.h"

#include <filesystem>

namespace carloan {

// Writes the record so that the old file stays whole until the new one is complete.
// False when the file could not be written.
bool save_quote(const std::filesystem::path& path, const quote_record& record);

// Reads the file over the record. False, with the record untouched, when the file is missing or
// unreadable, is not a regular file, or is not exactly one record long.
bool open_quote(const std::filesystem::path& path, quote_record& record);

}  // namespace carloan
