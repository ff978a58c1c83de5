#pragma once
// Numeric fields read ASCII digits and signs only, but a Japanese input method types their
// full-width forms, which would read as nothing. A field fitted with this helper turns them into
// ASCII as they arrive (typed, pasted or committed by the input method), so what the clerk sees
// is what the calculation reads.

#include <QString>

class QLineEdit;

namespace carloan {

// Full-width digits, "，", "．", "－", "＋" and the ideographic space in their ASCII forms; any
// other character unchanged. One character for one, so cursor positions stay where they were.
QString ascii_digits(QString text);

// Converts what enters `field` before the field's own validator, if any, judges it.
void accept_full_width_digits(QLineEdit* field);

}  // namespace carloan
