#include "cli/json_string.h"

#include <array>

namespace carloan {

void append_json_string(std::string& out, std::string_view utf8) {
    constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

std::size_t plain_json_run(std::string_view text) {
    static constexpr std::array<bool, 256> plain = [] {
        std::array<bool, 256> bytes{};
        for (int c = 0x20; c < 0x7F; ++c) {
            bytes[c] = c != '"' && c != '\\';
        }
        return bytes;
    }();
    std::size_t at = 0;
    while (at < text.size() && plain[static_cast<unsigned char>(text[at])]) {
        ++at;
    }
    return at;
}

}  // namespace carloan
