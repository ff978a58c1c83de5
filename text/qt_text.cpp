#include "text/qt_text.h"

#include "text/cp932.h"

namespace carloan {
namespace {

std::u16string_view utf16_view(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace

std::optional<std::string> to_cp932(const QString& text) {
    return utf16_to_cp932(utf16_view(text));
}

QString from_cp932(std::string_view cp932) {
    const std::u16string utf16 = cp932_to_utf16(cp932);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

std::string field_cp932(const QString& text, std::size_t limit) {
    std::string bytes;
    if (auto whole = to_cp932(text)) {
        bytes = std::move(*whole);
    } else {
        // Keep what can be kept, one character (or surrogate pair) at a time.
        for (qsizetype i = 0; i < text.size(); ++i) {
            qsizetype length = 1;
            if (text.at(i).isHighSurrogate() && i + 1 < text.size()) {
                length = 2;
            }
            if (auto piece = to_cp932(text.mid(i, length))) {
                bytes += *piece;
            }
            i += length - 1;
        }
    }
    return std::string(cp932_prefix(bytes, limit));
}

QValidator::State cp932_validator::validate(QString& input, int& /*position*/) const {
    return to_cp932(input) ? Acceptable : Invalid;
}

}  // namespace carloan
