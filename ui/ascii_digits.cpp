#include "ui/ascii_digits.h"

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include <utility>

namespace carloan {
namespace {

constexpr char16_t full_width_zero = u'０';
constexpr char16_t full_width_nine = u'９';

char16_t ascii_form(char16_t character) {
    if (character >= full_width_zero && character <= full_width_nine) {
        return static_cast<char16_t>(u'0' + (character - full_width_zero));
    }
    switch (character) {
        case u'，':
            return u',';
        case u'．':
            return u'.';
        case u'－':
            return u'-';
        case u'＋':
            return u'+';
        case u'　':
            return u' ';
        default:
            return character;
    }
}

// Runs ahead of the validator the field already had, which keeps the last word.
class ascii_digit_validator : public QValidator {
  public:
    ascii_digit_validator(const QValidator* own, QObject* parent) : QValidator(parent), own_(own) {}

    State validate(QString& input, int& position) const override {
        input = ascii_digits(std::move(input));
        return own_ ? own_->validate(input, position) : Acceptable;
    }

    void fixup(QString& input) const override {
        if (own_) {
            own_->fixup(input);
        }
    }

  private:
    QPointer<const QValidator> own_;
};

}  // namespace

QString ascii_digits(QString text) {
    for (QChar& character : text) {
        character = QChar(ascii_form(character.unicode()));
    }
    return text;
}

void accept_full_width_digits(QLineEdit* field) {
    field->setValidator(new ascii_digit_validator(field->validator(), field));
}

}  // namespace carloan
