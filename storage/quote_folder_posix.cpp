#include "storage/quote_folder_platform.h"

#include "text/cp932.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>

namespace carloan::quote_folder_platform {

std::optional<std::string> cp932_file_name(const std::filesystem::path& file_name) {
    const std::string& native = file_name.native();
    std::optional<std::string> name = utf8_to_cp932(native);
    if (!name || cp932_to_utf8(*name) != native) {
        return std::nullopt;
    }
    return name;
}

std::u16string case_folded(std::u16string_view text) {
    std::u16string folded(text.size() * 3 + 1, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length =
        u_strFoldCase(folded.data(), static_cast<int32_t>(folded.size()), text.data(),
                      static_cast<int32_t>(text.size()), U_FOLD_CASE_DEFAULT, &status);
    if (U_FAILURE(status)) {
        return std::u16string(text);
    }
    folded.resize(static_cast<std::size_t>(length));
    return folded;
}

}  // namespace carloan::quote_folder_platform
