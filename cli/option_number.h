#pragma once
// The numbers of the command line: typed as into the form, full-width digits and signs included,
// but taken only when the whole value is a number. The form reads "1e6" as 16 and "abc" as 0;
// a clerk looking at the screen sees that, a script reading the output does not.

#include <optional>
#include <string>
#include <string_view>

namespace carloan {

enum class number_kind {
    rate,    // "9.9": digits with at most one point, an optional "+"
    amount,  // "1,000,000" or "100万": digits grouped by commas anywhere, an optional sign
    count,   // "36", a year or a month: digits, an optional sign
};

// The value with its full-width characters folded (an amount with 万 as its digits), when it is
// blanks, a number of the kind and blanks; an empty value stays empty, a missing field as in the
// form. Nothing otherwise.
std::optional<std::string> option_number(std::string_view utf8, number_kind kind);

}  // namespace carloan
