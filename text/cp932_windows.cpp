#include "text/cp932_platform.h"

#include "text/cp932.h"

#include <windows.h>

namespace carloan::cp932_platform {
namespace {

constexpr UINT cp932 = 932;

const wchar_t* wide(std::u16string_view text) {
    return reinterpret_cast<const wchar_t*>(text.data());
}

// The whole run at once; false when a byte of it is no character.
bool append_whole(std::u16string& out, std::string_view run) {
    const int length = MultiByteToWideChar(cp932, MB_ERR_INVALID_CHARS, run.data(),
                                           static_cast<int>(run.size()), nullptr, 0);
    if (length <= 0) {
        return false;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    MultiByteToWideChar(cp932, MB_ERR_INVALID_CHARS, run.data(), static_cast<int>(run.size()),
                        reinterpret_cast<wchar_t*>(out.data() + at), length);
    return true;
}

}  // namespace

bool append_cp932(std::string& out, std::u16string_view run) {
    if (run.empty()) {
        return true;
    }
    if (!fits_int32(run.size())) {
        return false;
    }
    // No best fit: a character without its own code page 932 form is refused, not replaced by a
    // look-alike.
    BOOL used_default = FALSE;
    const int length =
        WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, wide(run), static_cast<int>(run.size()),
                            nullptr, 0, nullptr, &used_default);
    if (length <= 0 || used_default) {
        return false;
    }
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(length));
    WideCharToMultiByte(cp932, WC_NO_BEST_FIT_CHARS, wide(run), static_cast<int>(run.size()),
                        out.data() + at, length, nullptr, &used_default);
    // Only a form that converts back to the same characters is one, on either platform.
    std::u16string back;
    if (used_default || !append_whole(back, std::string_view(out).substr(at)) || back != run) {
        out.resize(at);
        return false;
    }
    return true;
}

void append_utf16(std::u16string& out, std::string_view run) {
    if (run.empty() || !fits_int32(run.size()) || append_whole(out, run)) {
        return;
    }
    // Some byte is no character: character by character, leaving those out, as a lead byte
    // takes its second byte along in cp932.cpp.
    std::size_t i = 0;
    while (i < run.size()) {
        const bool pair = is_lead_byte(static_cast<unsigned char>(run[i])) && i + 1 < run.size() &&
                          is_trail_byte(static_cast<unsigned char>(run[i + 1]));
        const std::size_t width = pair ? 2 : 1;
        append_whole(out, run.substr(i, width));
        i += width;
    }
}

std::optional<std::u16string> utf8_to_utf16(std::string_view utf8) {
    if (utf8.empty()) {
        return std::u16string();
    }
    if (!fits_int32(utf8.size())) {
        return std::nullopt;
    }
    // Ill-formed UTF-8 (overlong forms that would let "\xC0\xB1" pass as the digit 1,
    // surrogates, values past U+10FFFF) is an error.
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                           static_cast<int>(utf8.size()), nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::u16string utf16(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                        reinterpret_cast<wchar_t*>(utf16.data()), length);
    return utf16;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    if (utf16.empty() || !fits_int32(utf16.size())) {
        return {};
    }
    const int length =
        WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide(utf16),
                            static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0) {
        return {};
    }
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide(utf16), static_cast<int>(utf16.size()),
                        out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace carloan::cp932_platform
