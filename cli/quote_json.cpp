#include "cli/quote_json.h"

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

    template <std::size_t n>
    constexpr padded_key(const char (&key)[n]) : size(n + 2) {
        static_assert(n + 2 <= width);
        bytes[0] = '"';
        std::copy(key, key + n - 1, bytes.begin() + 1);
        bytes[n] = '"';
        bytes[n + 1] = ':';
    }
};

char* write_key(char* at, const padded_key& key) {
    std::memcpy(at, key.bytes.data(), padded_key::width);
    return at + key.size;
}

struct int_field {
    padded_key key;
    std::int32_t calc_result::*value;
};

constexpr std::array<int_field, 11> int_fields{{
    {"net_balance", &calc_result::net_balance},
    {"loan_fee", &calc_result::loan_fee},
    {"loan_amount", &calc_result::loan_amount},
    {"payment_count", &calc_result::payment_count},
    {"first_payment", &calc_result::first_payment},
    {"later_payment", &calc_result::later_payment},
    {"later_count", &calc_result::later_count},
    {"bonus_payment", &calc_result::bonus_payment},
    {"bonus_count", &calc_result::bonus_count},
    {"deferment_months", &calc_result::deferment_months},
    {"comparison", &calc_result::comparison},
}};

struct text_field {
    padded_key key;
    std::string calc_result::*text;
};

constexpr std::array<text_field, 9> text_fields{{
    {"loan_fee_text", &calc_result::loan_fee_text},
    {"loan_amount_text", &calc_result::loan_amount_text},
    {"first_payment_text", &calc_result::first_payment_text},
    {"later_payment_text", &calc_result::later_payment_text},
    {"later_count_text", &calc_result::later_count_text},
    {"bonus_payment_text", &calc_result::bonus_payment_text},
    {"bonus_times_text", &calc_result::bonus_times_text},
    {"comparison_text", &calc_result::comparison_text},
    {"rate_text", &calc_result::rate_text},
}};

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

std::size_t outcome_json_bound(const calc_outcome& outcome) {
    if (!outcome.result) {
        return 16 + 6 * outcome.message.size();
    }
    // Keys, figures and the padding of the last key take under 600 bytes; a text byte becomes at
    // most a six-byte escape.
    std::size_t text_bytes = 0;
    for (const text_field& field : text_fields) {
        text_bytes += ((*outcome.result).*field.text).size();
    }
    return 1024 + 6 * text_bytes;
}

char* write_outcome_json(char* at, const calc_outcome& outcome) {
    if (!outcome.result) {
        std::string line = "{\"message\":";
        append_json_string(line, outcome.message);
        line += '}';
        return std::copy(line.begin(), line.end(), at);
    }
    const calc_result& r = *outcome.result;
    *at++ = '{';
    for (const int_field& field : int_fields) {
        at = write_key(at, field.key);
        at = std::to_chars(at, at + 11, r.*field.value).ptr;
        *at++ = ',';
    }
    for (const text_field& field : text_fields) {
        at = write_key(at, field.key);
        at = write_text(at, r.*field.text);
        *at++ = ',';
    }
    at[-1] = '}';
    return at;
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
