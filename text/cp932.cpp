#include "text/cp932.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace carloan {
namespace {

struct converter_closer {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using converter_ptr = std::unique_ptr<UConverter, converter_closer>;

// Opening a converter is far dearer than a conversion; batch quoting converts millions of fields.
UConverter* windows_31j() {
    thread_local converter_ptr converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        converter_ptr opened(ucnv_open("windows-31j", &status));
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

std::u16string utf8_to_utf16(std::string_view utf8, bool& ok) {
    std::u16string out;
    out.reserve(utf8.size());
    ok = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            cp = b0 & 0x1F;
            extra = 1;
        } else if ((b0 & 0xF0) == 0xE0) {
            cp = b0 & 0x0F;
            extra = 2;
        } else if ((b0 & 0xF8) == 0xF0) {
            cp = b0 & 0x07;
            extra = 3;
        } else {
            ok = false;
            return {};
        }
        if (i + extra >= utf8.size()) {
            ok = false;
            return {};
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) {
                ok = false;
                return {};
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        i += extra + 1;
        // Overlong forms would let "\xC0\xB1" pass as the digit 1; surrogates and values past
        // U+10FFFF are no characters at all.
        constexpr char32_t shortest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < shortest[extra] || (cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF) {
            ok = false;
            return {};
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> utf16_to_cp932(std::u16string_view utf16) {
    if (std::all_of(utf16.begin(), utf16.end(), [](char16_t c) { return c < 0x80; })) {
        return std::string(utf16.begin(), utf16.end());
    }
    UConverter* converter = windows_31j();
    if (converter == nullptr) {
        return std::nullopt;
    }
    std::u16string mapped(utf16);
    std::transform(mapped.begin(), mapped.end(), mapped.begin(), to_cp932_sibling);

    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    std::string out(mapped.size() * 2 + 1, '\0');
    const int32_t written = ucnv_fromUChars(converter, out.data(), static_cast<int32_t>(out.size()),
                                            reinterpret_cast<const UChar*>(mapped.data()),
                                            static_cast<int32_t>(mapped.size()), &status);
    if (U_FAILURE(status)) {
        return std::nullopt;
    }
    out.resize(static_cast<std::size_t>(written));
    return out;
}

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
    if (is_ascii(utf8)) {
        return std::string(utf8);
    }
    bool ok = false;
    const std::u16string utf16 = utf8_to_utf16(utf8, ok);
    if (!ok) {
        return std::nullopt;
    }
    return utf16_to_cp932(utf16);
}

std::u16string cp932_to_utf16(std::string_view cp932) {
    if (is_ascii(cp932)) {
        return std::u16string(cp932.begin(), cp932.end());
    }
    UConverter* converter = windows_31j();
    if (converter == nullptr) {
        return {};
    }
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    std::u16string out(cp932.size() + 1, u'\0');
    const int32_t written = ucnv_toUChars(converter, reinterpret_cast<UChar*>(out.data()),
                                          static_cast<int32_t>(out.size()), cp932.data(),
                                          static_cast<int32_t>(cp932.size()), &status);
    if (U_FAILURE(status)) {
        return {};
    }
    out.resize(static_cast<std::size_t>(written));
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
