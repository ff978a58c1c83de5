#include "text/cp932_platform.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>

namespace carloan::cp932_platform {
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

}  // namespace

bool append_cp932(std::string& out, std::u16string_view run) {
    UConverter* converter = windows_31j();
    if (converter == nullptr || !fits_int32(run.size())) {
        return false;
    }
    const std::size_t at = out.size();
    out.resize(at + 2 * run.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t written = ucnv_fromUChars(
        converter, out.data() + at, static_cast<std::int32_t>(out.size() - at),
        reinterpret_cast<const UChar*>(run.data()), static_cast<std::int32_t>(run.size()), &status);
    if (U_FAILURE(status)) {
        out.resize(at);
        return false;
    }
    out.resize(at + static_cast<std::size_t>(written));
    // Only a form that converts back to the same characters is one, as in Windows' own table:
    // ICU's drops characters that are ignorable by default (U+200B, U+FEFF, ...) instead of
    // refusing them, and maps U+F86F to the form of U+2116.
    std::u16string back;
    append_utf16(back, std::string_view(out).substr(at));
    if (back != run) {
        out.resize(at);
        return false;
    }
    return true;
}

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

std::optional<std::u16string> utf8_to_utf16(std::string_view utf8) {
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
    return utf16;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
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

}  // namespace carloan::cp932_platform
