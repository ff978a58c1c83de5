#include "ui/ascii_digits.h"

#include "text/full_width.h"

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include <utility>

namespace carloan {
namespace {

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
        if (const char ascii = ascii_form(character.unicode())) {
            character = QChar(ascii);
        }
    }
    return text;
}

void accept_full_width_digits(QLineEdit* field) {
    field->setValidator(new ascii_digit_validator(field->validator(), field));
}

}  // namespace carloan
