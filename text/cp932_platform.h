#pragma once
// The conversions text/cp932.cpp leaves to the platform, one file per platform: cp932_posix.cpp
// (ICU's windows-31j table) and cp932_windows.cpp (the Windows API's code page 932). Both see only
// runs without ASCII or 0x80, which cp932.cpp keeps as themselves.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace carloan::cp932_platform {

// Appends the code page 932 form of the run; false, with `out` as it was, when a character has
// none that converts back to it.
bool append_cp932(std::string& out, std::u16string_view run);

// Appends the UTF-16 form of the run; bytes that are no code page 932 character are left out.
void append_utf16(std::u16string& out, std::string_view run);

// Nothing when the UTF-8 is ill-formed.
std::optional<std::u16string> utf8_to_utf16(std::string_view utf8);

// Empty when the UTF-16 is ill-formed.
std::string utf16_to_utf8(std::u16string_view utf16);

inline bool is_trail_byte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

inline bool fits_int32(std::size_t size) {
    return size <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 4);
}

}  // namespace carloan::cp932_platform
