#include "cli/quote_text.h"

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

}  // namespace

std::string quote_table(const calc_result& result, const current_flags& flags) {
    std::string out;
    for (const result_figure& figure : result_figures) {
        if (figure.label.empty() || !figure_of(figure, result.residual_plan())) {
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
