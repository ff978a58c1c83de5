#include "text/cp932.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

namespace carloan {
namespace {

struct converter_closer {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using converter_ptr = std::unique_ptr<UConverter, converter_closer>;

// Opening a converter is far dearer than a conversion; batch quoting converts millions of fields.
// Characters without a code page 932 form stop a conversion to it, so that the text is refused
// rather than stored with '?'; bytes that are no code page 932 character are left out of a
// conversion from it, where ICU would put U+001A (a control character) or U+FFFD.
UConverter* windows_31j() {
    thread_local converter_ptr converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        converter_ptr opened(ucnv_open("windows-31j", &status));
        ucnv_setFromUCallBack(opened.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        ucnv_setToUCallBack(opened.get(), UCNV_TO_U_CALLBACK_SKIP, nullptr, nullptr, nullptr,
                            &status);
        if (U_FAILURE(status)) {
            opened.reset();
        }
        return opened;
    }();
    return converter.get();
}

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

bool is_trail_byte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool fits_int32(std::size_t size) {
    return size <= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 4);
}

// Code page 932 keeps every ASCII byte as the same character, as Windows does. ICU's
// windows-31j table instead swaps the controls 0x1A, 0x1C and 0x7F, so ASCII never reaches ICU:
// only runs of other characters do.

// Appends the code page 932 form of a run of non-ASCII UTF-16 units.
bool append_cp932(std::string& out, std::u16string_view run) {
    UConverter* converter = windows_31j();
    if (converter == nullptr || !fits_int32(run.size())) {
        return false;
    }
    std::u16string mapped(run);
    std::transform(mapped.begin(), mapped.end(), mapped.begin(), to_cp932_sibling);
    const std::size_t at = out.size();
    out.resize(at + 2 * run.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t written =
        ucnv_fromUChars(converter, out.data() + at, static_cast<std::int32_t>(out.size() - at),
                        reinterpret_cast<const UChar*>(mapped.data()),
                        static_cast<std::int32_t>(mapped.size()), &status);
    if (U_FAILURE(status)) {
        return false;
    }
    out.resize(at + static_cast<std::size_t>(written));
    return true;
}

// Appends the UTF-16 form of a run of code page 932 bytes that starts with a non-ASCII byte.
void append_utf16(std::u16string& out, std::string_view run) {
    UConverter* converter = windows_31j();
    if (converter == nullptr || !fits_int32(run.size())) {
        return;
    }
    const std::size_t at = out.size();
    out.resize(at + run.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t written =
        ucnv_toUChars(converter, reinterpret_cast<UChar*>(out.data() + at),
                      static_cast<std::int32_t>(out.size() - at), run.data(),
                      static_cast<std::int32_t>(run.size()), &status);
    out.resize(U_FAILURE(status) ? at : at + static_cast<std::size_t>(written));
}

}  // namespace

std::optional<std::string> utf16_to_cp932(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    std::size_t i = 0;
    while (i < utf16.size()) {
        if (utf16[i] < 0x80) {
            out += static_cast<char>(utf16[i++]);
            continue;
        }
        const std::size_t start = i;
        while (i < utf16.size() && utf16[i] >= 0x80) {
            ++i;
        }
        if (!append_cp932(out, utf16.substr(start, i - start))) {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
    if (is_ascii(utf8)) {
        return std::string(utf8);
    }
    if (!fits_int32(utf8.size())) {
        return std::nullopt;
    }
    // No UTF-16 form is longer than its UTF-8 form. Ill-formed UTF-8 (overlong forms that would
    // let "\xC0\xB1" pass as the digit 1, surrogates, values past U+10FFFF) is an error.
    std::u16string utf16(utf8.size(), u'\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(reinterpret_cast<UChar*>(utf16.data()), static_cast<std::int32_t>(utf16.size()),
                  &length, utf8.data(), static_cast<std::int32_t>(utf8.size()), &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    utf16.resize(static_cast<std::size_t>(length));
    return utf16_to_cp932(utf16);
}

std::u16string cp932_to_utf16(std::string_view cp932) {
    std::u16string out;
    out.reserve(cp932.size());
    std::size_t i = 0;
    while (i < cp932.size()) {
        if (static_cast<unsigned char>(cp932[i]) < 0x80) {
            out += static_cast<char16_t>(cp932[i++]);
            continue;
        }
        // A lead byte takes its second byte along, even one in the ASCII range (0x5C in "ソ"), but
        // only a byte that can be a second byte: "\x81\x7F" is a stray lead byte and DEL.
        const std::size_t start = i;
        while (i < cp932.size() && static_cast<unsigned char>(cp932[i]) >= 0x80) {
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
    const std::u16string utf16 = cp932_to_utf16(cp932);
    // Every UTF-16 unit takes at most three bytes of UTF-8.
    std::string out(utf16.size() * 3, '\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<std::int32_t>(out.size()), &length,
                reinterpret_cast<const UChar*>(utf16.data()),
                static_cast<std::int32_t>(utf16.size()), &status);
    out.resize(U_FAILURE(status) ? 0 : static_cast<std::size_t>(length));
    return out;
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
