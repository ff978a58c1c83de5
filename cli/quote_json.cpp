#include "cli/quote_json.h"

#include "calc/result_figures.h"
#include "cli/json_string.h"
#include "text/cp932.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

namespace carloan {
namespace {

void append_int(std::string& out, std::string_view key, std::int32_t value) {
    out += '"';
    out += key;
    out += "\":";
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
    out += ',';
}

// A key with its quotes and colon, padded to a fixed width so that copying it is one fixed-size
// copy; the padding is overwritten by what follows the key.
struct padded_key {
    static constexpr std::size_t width = 24;
    std::array<char, width> bytes{};
    std::size_t size = 0;

    constexpr padded_key() = default;
    // Evaluated at compile time only: a key too long for the width stops the build.
    constexpr explicit padded_key(std::string_view key) : size(key.size() + 3) {
        if (size > width) {
            throw "a JSON key longer than padded_key::width";
        }
        bytes[0] = '"';
        std::copy(key.begin(), key.end(), bytes.begin() + 1);
        bytes[key.size() + 1] = '"';
        bytes[key.size() + 2] = ':';
    }
};

char* write_key(char* at, const padded_key& key) {
    std::memcpy(at, key.bytes.data(), padded_key::width);
    return at + key.size;
}

struct int_field {
    padded_key key;
    std::int32_t calc_result::*value = nullptr;
};

struct text_field {
    padded_key key;
    std::string calc_result::*text = nullptr;
};

// The figures first, then the texts, each in the order of result_figures; one set for each plan.
constexpr std::size_t int_field_count(bool residual) {
    return std::count_if(result_figures.begin(), result_figures.end(),
                         [&](const result_figure& f) { return f.value && in_plan(f, residual); });
}
constexpr std::size_t text_field_count(bool residual) {
    return std::count_if(result_figures.begin(), result_figures.end(),
                         [&](const result_figure& f) { return f.text && in_plan(f, residual); });
}

template <bool residual>
constexpr std::array<int_field, int_field_count(residual)> int_fields = [] {
    std::array<int_field, int_field_count(residual)> fields{};
    std::size_t at = 0;
    for (const result_figure& figure : result_figures) {
        if (figure.value != nullptr && in_plan(figure, residual)) {
            fields[at++] = {padded_key(figure.name), figure.value};
        }
    }
    return fields;
}();

template <bool residual>
constexpr std::array<text_field, text_field_count(residual)> text_fields = [] {
    std::array<text_field, text_field_count(residual)> fields{};
    std::size_t at = 0;
    for (const result_figure& figure : result_figures) {
        if (figure.text != nullptr && in_plan(figure, residual)) {
            fields[at++] = {padded_key(figure.text_name), figure.text};
        }
    }
    return fields;
}();

// A code page 932 text as a JSON string. Amount texts hold only blanks, digits, "," and "-", which
// stand for themselves; anything else goes through the conversion.
char* write_text(char* at, std::string_view cp932) {
    if (plain_json_run(cp932) == cp932.size()) {
        *at++ = '"';
        at = std::copy(cp932.begin(), cp932.end(), at);
        *at++ = '"';
        return at;
    }
    std::string text;
    append_json_string(text, cp932_to_utf8(cp932));
    return std::copy(text.begin(), text.end(), at);
}

}  // namespace

namespace {

template <bool residual>
char* write_figures(char* at, const calc_result& r) {
    *at++ = '{';
    for (const int_field& field : int_fields<residual>) {
        at = write_key(at, field.key);
        at = std::to_chars(at, at + 11, r.*field.value).ptr;
        *at++ = ',';
    }
    for (const text_field& field : text_fields<residual>) {
        at = write_key(at, field.key);
        at = write_text(at, r.*field.text);
        *at++ = ',';
    }
    at[-1] = '}';
    return at;
}

}  // namespace

std::size_t outcome_json_bound(const calc_outcome& outcome) {
    if (!outcome.result) {
        return 16 + 6 * outcome.message.size();
    }
    // Keys, figures and the padding of the last key take under 700 bytes; a text byte becomes at
    // most a six-byte escape.
    std::size_t text_bytes = 0;
    for (const text_field& field : text_fields<true>) {
        text_bytes += ((*outcome.result).*field.text).size();
    }
    text_bytes += outcome.result->comparison_text.size();
    return 1024 + 6 * text_bytes;
}

char* write_outcome_json(char* at, const calc_outcome& outcome) {
    if (!outcome.result) {
        std::string line = "{\"message\":";
        append_json_string(line, outcome.message);
        line += '}';
        return std::copy(line.begin(), line.end(), at);
    }
    return outcome.result->residual_plan() ? write_figures<true>(at, *outcome.result)
                                           : write_figures<false>(at, *outcome.result);
}

void append_outcome_json(std::string& out, const calc_outcome& outcome) {
    const std::size_t start = out.size();
    out.resize(start + outcome_json_bound(outcome));
    char* const end = write_outcome_json(out.data() + start, outcome);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

void add_schedule_json(std::string& out, const expansion& result) {
    out.pop_back();
    if (!result.message.empty()) {
        out += ",\"schedule_message\":";
        append_json_string(out, result.message);
        out += '}';
        return;
    }
    out += ",\"schedule\":[";
    for (std::size_t k = 1; k < result.rows.size(); ++k) {
        const schedule_row& row = result.rows[k];
        out += '{';
        append_int(out, "year", row.year);
        append_int(out, "month", row.month);
        append_int(out, "regular_payment", row.regular_payment);
        append_int(out, "bonus_part", row.bonus_part);
        append_int(out, "balance", row.balance);
        out.back() = '}';
        out += ',';
    }
    if (out.back() == ',') {
        out.pop_back();
    }
    out += "],\"listing\":[";
    for (const std::string& line : result.lines) {
        append_json_string(out, cp932_to_utf8(line));
        out += ',';
    }
    if (out.back() == ',') {
        out.pop_back();
    }
    out += "]}";
}

void append_error_json(std::string& out, std::string_view message) {
    out += "{\"error\":";
    append_json_string(out, message);
    out += '}';
}

}  // namespace carloan
