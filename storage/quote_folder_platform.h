#pragma once
// What listing the quote folder needs of the platform, one file per platform:
// quote_folder_posix.cpp and quote_folder_windows.cpp.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace carloan::quote_folder_platform {

// The file name as code page 932 bytes, or nothing when converting back would not give the
// same file name (a character code page 932 lacks, or one it only has a look-alike for).
std::optional<std::string> cp932_file_name(const std::filesystem::path& file_name);

// The text with case folded away, as the key that sorts the list.
std::u16string case_folded(std::u16string_view text);

}  // namespace carloan::quote_folder_platform
