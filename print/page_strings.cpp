#include "print/page_strings.h"

#include "calc/amount_text.h"
#include "text/cp932.h"

#include <cstdio>

namespace carloan {

std::string page_text(std::string_view utf8) {
    return utf8_to_cp932(utf8).value_or(std::string{});
}

std::string amount_value(std::int32_t amount) {
    return right_alignment(amount_text(amount, amount_width) + page_text(" 円"), value_width);
}

std::string count_value(std::int32_t count) {
    return right_alignment(amount_text(count, amount_width) + page_text(" 回"), value_width);
}

std::string installment_value(std::int32_t amount, std::int32_t count) {
    char padded_count[16];
    std::snprintf(padded_count, sizeof padded_count, "%3d", static_cast<int>(count));
    return right_alignment(
        amount_text(amount, amount_width) + page_text(" 円 × ") + padded_count + page_text(" 回"),
        value_width);
}

std::string customer_name_from_quote_name(std::string_view quote_name) {
    std::string name(cp932_prefix(quote_name, customer_name_limit));
    // A dot is never the second byte of a double-byte character, so this cannot split one.
    if (name.size() >= 4 && name[name.size() - 4] == '.') {
        name.resize(name.size() - 4);
    }
    return name;
}

}  // namespace carloan
