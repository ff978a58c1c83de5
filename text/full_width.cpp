#include "text/full_width.h"

namespace carloan {

std::string ascii_digits(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = [&](std::size_t at) {
            return at < utf8.size() ? static_cast<unsigned char>(utf8[at]) : 0u;
        };
        // Every full-width number character is three bytes long in UTF-8.
        if ((byte(i) == 0xEF || byte(i) == 0xE3) && (byte(i + 1) & 0xC0) == 0x80 &&
            (byte(i + 2) & 0xC0) == 0x80) {
            const char32_t character =
                (byte(i) & 0x0Fu) << 12 | (byte(i + 1) & 0x3Fu) << 6 | (byte(i + 2) & 0x3Fu);
            if (const char ascii = ascii_form(character)) {
                out += ascii;
                i += 2;
                continue;
            }
        }
        out += utf8[i];
    }
    return out;
}

}  // namespace carloan
