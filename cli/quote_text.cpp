#include "cli/quote_text.h"

#include "text/cp932.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace carloan {
namespace {

// Display columns of a label on a terminal: a double-byte character takes two, like its bytes.
std::size_t columns(std::string_view utf8) {
    const std::optional<std::string> bytes = utf8_to_cp932(utf8);
    return bytes ? bytes->size() : utf8.size();
}

void append_row(std::string& out, std::string_view label, std::string_view cp932_text) {
    constexpr std::size_t label_columns = 18;
    constexpr std::size_t text_columns = 14;
    out += label;
    out.append(label_columns - std::min(label_columns, columns(label)), ' ');
    const std::string text = cp932_to_utf8(cp932_text);
    out.append(text_columns - std::min(text_columns, text.size()), ' ');
    out += text;
}

void append_count(std::string& out, std::string_view cp932_count) {
    out += " ×";
    out += cp932_to_utf8(cp932_count);
    out += " 回";
}

}  // namespace

std::string quote_table(const calc_result& r, const current_flags& flags) {
    std::string out;
    append_row(out, "融資手数料", r.loan_fee_text);
    out += '\n';
    append_row(out, "融資額", r.loan_amount_text);
    out += '\n';
    append_row(out, "１回目", r.first_payment_text);
    out += '\n';
    append_row(out, "２回目以降", r.later_payment_text);
    append_count(out, r.later_count_text);
    out += '\n';
    append_row(out, flags.bonus_method == 1 ? "ボーナス月返済 ＝" : "ボーナス月加算 ＝",
               r.bonus_payment_text);
    append_count(out, r.bonus_times_text);
    out += '\n';
    append_row(out, "Ｓ１均等比較：", r.comparison_text);
    out += '\n';
    return out;
}

}  // namespace carloan
