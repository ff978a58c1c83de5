#include "storage/quote_folder_platform.h"

#include "text/cp932.h"

#include <windows.h>

#include <algorithm>

namespace carloan::quote_folder_platform {

std::optional<std::string> cp932_file_name(const std::filesystem::path& file_name) {
    const std::wstring& wide = file_name.native();
    const std::u16string_view native(reinterpret_cast<const char16_t*>(wide.data()), wide.size());
    std::optional<std::string> name = utf16_to_cp932(native);
    if (!name || cp932_to_utf16(*name) != native) {
        return std::nullopt;
    }
    return name;
}

// Lower case of the invariant locale: over the characters code page 932 holds, the same key as
// full case folding gives, but for the ANGSTROM SIGN, which folds to the letter.
std::u16string case_folded(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    std::wstring folded(text.size(), L'\0');
    const int length =
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE,
                      reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
                      folded.data(), static_cast<int>(folded.size()), nullptr, nullptr, 0);
    if (length <= 0) {
        return std::u16string(text);
    }
    std::u16string key(reinterpret_cast<const char16_t*>(folded.data()),
                       static_cast<std::size_t>(length));
    std::replace(key.begin(), key.end(), u'\u212B', u'\u00E5');
    return key;
}

}  // namespace carloan::quote_folder_platform
