#include "text/cp932.h"

#include "text/cp932_platform.h"

#include <algorithm>
#include <cstring>

namespace carloan {
namespace {

using namespace cp932_platform;

// Characters that Unicode input methods type where code page 932 has a sibling.
char16_t to_cp932_sibling(char16_t c) {
    switch (c) {
        case u'\u301C':  // WAVE DASH
            return u'\uFF5E';
        case u'\u2016':  // DOUBLE VERTICAL LINE
            return u'\u2225';
        case u'\u2212':  // MINUS SIGN
            return u'\uFF0D';
        case u'\u00A2':
            return u'\uFFE0';
        case u'\u00A3':
            return u'\uFFE1';
        case u'\u00AC':
            return u'\uFFE2';
        case u'\u2014':  // EM DASH
            return u'\u2015';
        default:
            return c;
    }
}

bool is_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Code page 932 keeps every ASCII byte, and 0x80, as the same character, as Windows' own table
// does. ICU's windows-31j table instead swaps the controls 0x1A, 0x1C and 0x7F and has no 0x80,
// so these never reach the platform's conversion: only runs of other characters do.
bool stands_for_itself(char16_t c) {
    return c <= 0x80;
}
bool stands_for_itself(char c) {
    return static_cast<unsigned char>(c) <= 0x80;
}

// Maps the siblings, then leaves the run to the platform.
bool append_cp932_run(std::string& out, std::u16string_view run) {
    std::u16string mapped(run);
    std::transform(mapped.begin(), mapped.end(), mapped.begin(), to_cp932_sibling);
    return append_cp932(out, mapped);
}

}  // namespace

std::optional<std::string> utf16_to_cp932(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    std::size_t i = 0;
    while (i < utf16.size()) {
        if (stands_for_itself(utf16[i])) {
            out += static_cast<char>(utf16[i++]);
            continue;
        }
        const std::size_t start = i;
        while (i < utf16.size() && !stands_for_itself(utf16[i])) {
            ++i;
        }
        if (!append_cp932_run(out, utf16.substr(start, i - start))) {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
    if (is_ascii(utf8)) {
        return std::string(utf8);
    }
    const std::optional<std::u16string> utf16 = utf8_to_utf16(utf8);
    if (!utf16) {
        return std::nullopt;
    }
    return utf16_to_cp932(*utf16);
}

std::u16string cp932_to_utf16(std::string_view cp932) {
    std::u16string out;
    out.reserve(cp932.size());
    std::size_t i = 0;
    while (i < cp932.size()) {
        if (stands_for_itself(cp932[i])) {
            out += static_cast<char16_t>(static_cast<unsigned char>(cp932[i++]));
            continue;
        }
        // A lead byte takes its second byte along, even one in the ASCII range (0x5C in "ソ"), but
        // only a byte that can be a second byte: "\x81\x7F" is a stray lead byte and DEL.
        const std::size_t start = i;
        while (i < cp932.size() && !stands_for_itself(cp932[i])) {
            const bool pair = is_lead_byte(static_cast<unsigned char>(cp932[i])) &&
                              i + 1 < cp932.size() &&
                              is_trail_byte(static_cast<unsigned char>(cp932[i + 1]));
            i += pair ? 2 : 1;
        }
        append_utf16(out, cp932.substr(start, i - start));
    }
    return out;
}

std::string cp932_to_utf8(std::string_view cp932) {
    if (is_ascii(cp932)) {
        return std::string(cp932);
    }
    return utf16_to_utf8(cp932_to_utf16(cp932));
}

std::string_view cp932_prefix(std::string_view text, std::size_t limit) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t width = is_lead_byte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > limit || end + width > text.size()) {
            break;
        }
        end += width;
    }
    return text.substr(0, end);
}

void write_slot(std::span<char> slot, std::string_view text) {
    if (slot.empty()) {
        return;
    }
    const std::string_view kept = cp932_prefix(text, slot.size() - 1);
    std::memcpy(slot.data(), kept.data(), kept.size());
    slot[kept.size()] = '\0';
}

std::string read_slot(std::span<const char> slot) {
    const auto end = std::find(slot.begin(), slot.end(), '\0');
    return std::string(slot.begin(), end);
}

}  // namespace carloan
