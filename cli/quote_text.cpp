#include "cli/quote_text.h"

#include "calc/amount_text.h"
#include "calc/result_figures.h"
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

void append_amount_row(std::string& out, std::string_view label, std::int32_t value) {
    append_row(out, label, amount_text(value, amount_width));
    out += '\n';
}

}  // namespace

std::string price_rows(const price_figures& prices) {
    std::string out;
    for (const price_line& line : price_lines) {
        append_amount_row(out, line.label, prices.*line.value);
        if (line.value == &price_figures::discount) {
            append_amount_row(out, "現金販売価格", prices.cash_price);
        }
    }
    append_amount_row(out, "差引残高", prices.net_balance);
    return out;
}

std::string payment_total_row(std::int32_t total) {
    std::string out;
    append_amount_row(out, "お支払総額", total);
    return out;
}

std::string quote_table(const calc_result& result, const current_flags& flags) {
    std::string out;
    for (const result_figure& figure : result_figures) {
        if (figure.label.empty() || !in_plan(figure, result.residual_plan())) {
            continue;
        }
        append_row(out, std::string(figure_label(figure, flags)) + std::string(figure.label_end),
                   result.*figure.text);
        if (figure.count_text != nullptr) {
            append_count(out, result.*figure.count_text);
        }
        out += '\n';
    }
    return out;
}

}  // namespace carloan
