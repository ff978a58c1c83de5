#pragma once
// The widget edge of code page 932: QString in, code page 932 bytes out, and back.

#include <QString>
#include <QValidator>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace carloan {

std::optional<std::string> to_cp932(const QString& text);
QString from_cp932(std::string_view cp932);

// A field's text as code page 932 bytes, at most `limit` bytes, read the way a bounded field read
// does. Characters without a code page 932 form are left out (fields that store text refuse them
// with cp932_validator before they get here).
std::string field_cp932(const QString& text, std::size_t limit);

// Refuses any edit that would put a character into the field that code page 932 cannot hold, so
// what the clerk sees is what is stored and printed.
class cp932_validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace carloan
