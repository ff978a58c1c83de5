// Code page 932 conversions over any bytes: what is stored converts back to itself, what a file
// holds shows without invented control characters and can be stored again, and bounded slots
// never keep half a character.

#include "text/cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace carloan;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

std::size_t controls(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // As UTF-8 typed into a field.
    if (const std::optional<std::string> stored = utf8_to_cp932(bytes)) {
        check(utf8_to_cp932(cp932_to_utf8(*stored)) == *stored);
    }

    // As the bytes of a file.
    const std::string shown = cp932_to_utf8(bytes);
    check(controls(shown) <= controls(bytes));
    check(utf8_to_cp932(shown).has_value());

    // As UTF-16 from a widget.
    std::u16string utf16(size / 2, u'\0');
    std::memcpy(utf16.data(), data, utf16.size() * 2);
    if (const std::optional<std::string> stored = utf16_to_cp932(utf16)) {
        check(utf16_to_cp932(cp932_to_utf16(*stored)) == *stored);
    }

    // Into a slot of a size taken from the first byte.
    if (size > 0) {
        std::vector<char> slot(data[0] % 48 + 1, '\x5A');
        write_slot(slot, bytes.substr(1));
        const std::string kept = read_slot(slot);
        check(kept == cp932_prefix(bytes.substr(1), slot.size() - 1));
        std::size_t at = 0;
        while (at < kept.size()) {
            at += is_lead_byte(static_cast<unsigned char>(kept[at])) ? 2 : 1;
        }
        check(at == kept.size() && kept.find('\0') == std::string::npos);
    }
    return 0;
}
