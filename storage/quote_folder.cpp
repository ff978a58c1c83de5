#include "storage/quote_folder.h"

#include "storage/quote_folder_platform.h"
#include "text/cp932.h"

#include <algorithm>
#include <array>
#include <optional>
#include <system_error>
#include <type_traits>

namespace carloan {
namespace {

using namespace quote_folder_platform;

char ascii_lower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char>(c - u'A' + 'a') : static_cast<char>(c);
}

bool equals_ascii_ignoring_case(std::u16string_view text, std::string_view lower_ascii) {
    return text.size() == lower_ascii.size() &&
           std::equal(text.begin(), text.end(), lower_ascii.begin(),
                      [](char16_t a, char b) { return a < 0x80 && ascii_lower(a) == b; });
}

bool is_device_name(std::u16string_view name) {
    // Windows takes "con", "con.car" and "con .car" alike for the device.
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') {
        stem.remove_suffix(1);
    }
    static constexpr std::array<std::string_view, 6> plain = {"con", "prn",    "aux",
                                                              "nul", "conin$", "conout$"};
    for (std::string_view device : plain) {
        if (equals_ascii_ignoring_case(stem, device)) {
            return true;
        }
    }
    if (stem.size() == 4 && stem[3] >= u'0' && stem[3] <= u'9') {
        return equals_ascii_ignoring_case(stem.substr(0, 3), "com") ||
               equals_ascii_ignoring_case(stem.substr(0, 3), "lpt");
    }
    return false;
}

// Matches the pattern "*.car" the way the desktop does, without regard to case.
template <typename Char>
bool ends_with_extension(std::basic_string_view<Char> name) {
    if (name.size() < quote_extension.size()) {
        return false;
    }
    const std::basic_string_view<Char> tail = name.substr(name.size() - quote_extension.size());
    return std::equal(tail.begin(), tail.end(), quote_extension.begin(), [](Char a, char b) {
        const auto code = static_cast<std::make_unsigned_t<Char>>(a);
        return code < 0x80 && ascii_lower(static_cast<char16_t>(code)) == b;
    });
}

}  // namespace

std::string with_quote_extension(std::string_view name) {
    std::string result(name);
    if (name.find(quote_extension) == std::string_view::npos) {
        result += quote_extension;
    }
    return result;
}

bool leaves_quote_folder(std::string_view name) {
    const std::u16string text = cp932_to_utf16(name);
    return text == u"." || text == u".." || text.find_first_of(u"/\\") != std::u16string::npos;
}

bool holds_control_character(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; });
}

bool is_portable_file_name(std::string_view name) {
    const std::u16string text = cp932_to_utf16(name);
    if (text.empty() || leaves_quote_folder(name) || text.back() == u'.' || text.back() == u' ' ||
        holds_control_character(text)) {
        return false;
    }
    const bool forbidden = std::any_of(text.begin(), text.end(), [](char16_t c) {
        return std::u16string_view(u"<>:\"|?*").find(c) != std::u16string_view::npos;
    });
    return !forbidden && !is_device_name(text);
}

std::filesystem::path quote_file_path(const std::filesystem::path& folder, std::string_view name) {
    return folder / std::filesystem::path(cp932_to_utf16(name));
}

std::vector<std::string> list_quote_files(const std::filesystem::path& folder) {
    struct entry {
        std::u16string key;
        std::string name;
    };
    std::vector<entry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::path file_name = it->path().filename();
        using native_view = std::basic_string_view<std::filesystem::path::value_type>;
        std::error_code type_error;
        if (!ends_with_extension(native_view(file_name.native())) ||
            !it->is_regular_file(type_error)) {
            continue;
        }
        std::optional<std::string> name = cp932_file_name(file_name);
        if (!name || holds_control_character(cp932_to_utf16(*name))) {
            continue;
        }
        entries.push_back({case_folded(cp932_to_utf16(*name)), std::move(*name)});
    }
    std::sort(entries.begin(), entries.end(), [](const entry& a, const entry& b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (entry& e : entries) {
        names.push_back(std::move(e.name));
    }
    return names;
}

}  // namespace carloan
