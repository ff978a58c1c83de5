#include "cli/quote_json.h"

#include "text/cp932.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <istream>
#include <limits>
#include <ostream>

namespace carloan {
namespace {

using json = nlohmann::json;

struct text_key {
    std::string_view name;
    std::string calc_inputs::*field;
};

constexpr std::array<text_key, 7> text_keys{{
    {"rate_text", &calc_inputs::rate_text},
    {"payment_count_text", &calc_inputs::payment_count_text},
    {"net_balance_text", &calc_inputs::net_balance_text},
    {"skip_months_text", &calc_inputs::skip_months_text},
    {"bonus_addition_text", &calc_inputs::bonus_addition_text},
    {"bonus_count_text", &calc_inputs::bonus_count_text},
    {"deferment_text", &calc_inputs::deferment_text},
}};

struct flag_key {
    std::string_view name;
    std::int32_t current_flags::*field;
};

constexpr std::array<flag_key, 2> flag_keys{{
    {"bonus_method", &current_flags::bonus_method},
    {"cycle_mode", &current_flags::cycle_mode},
}};

std::string key_literal(std::string_view key) {
    std::string text;
    append_json_string(text, key);
    return text;
}

// Reads one key of an input object into the request; gives the reason when it cannot.
std::optional<std::string> read_key(quote_request& request, const std::string& key,
                                    const json& value) {
    for (const text_key& k : text_keys) {
        if (key != k.name) {
            continue;
        }
        if (!value.is_string()) {
            return key_literal(key) + " must be a string";
        }
        std::optional<std::string> text = field_text(value.get_ref<const std::string&>());
        if (!text) {
            return key_literal(key) + " holds a character that code page 932 cannot hold";
        }
        request.inputs.*k.field = std::move(*text);
        return std::nullopt;
    }
    for (const flag_key& k : flag_keys) {
        if (key != k.name) {
            continue;
        }
        if (!value.is_number_integer()) {
            return key_literal(key) + " must be an integer";
        }
        // Stored flags are 32-bit; a larger value would be silently cut.
        if (value.is_number_unsigned()
                ? value.get<std::uint64_t>() >
                      std::uint64_t{std::numeric_limits<std::int32_t>::max()}
                : (value.get<std::int64_t>() < std::numeric_limits<std::int32_t>::min() ||
                   value.get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())) {
            return key_literal(key) + " must be a 32-bit integer";
        }
        request.flags.*k.field = value.get<std::int32_t>();
        return std::nullopt;
    }
    // A misspelt key would otherwise quietly read as an empty field.
    return "unknown key " + key_literal(key);
}

void append_int(std::string& out, std::string_view key, std::int32_t value) {
    out += '"';
    out += key;
    out += "\":";
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out.append(digits.data(), end);
    out += ',';
}

void append_text(std::string& out, std::string_view key, std::string_view cp932) {
    out += '"';
    out += key;
    out += "\":";
    append_json_string(out, cp932_to_utf8(cp932));
    out += ',';
}

}  // namespace

std::optional<std::string> field_text(std::string_view utf8) {
    std::optional<std::string> text = utf8_to_cp932(utf8);
    if (text) {
        text->resize(cp932_prefix(*text, input_read_limit).size());
    }
    return text;
}

std::variant<quote_request, std::string> parse_quote_line(std::string_view line) {
    json parsed;
    try {
        parsed = json::parse(line);
    } catch (const json::parse_error& error) {
        return "not valid JSON (at byte " + std::to_string(error.byte) + ")";
    }
    if (!parsed.is_object()) {
        return std::string("not a JSON object");
    }
    quote_request request;
    for (const auto& [key, value] : parsed.items()) {
        if (std::optional<std::string> problem = read_key(request, key, value)) {
            return std::move(*problem);
        }
    }
    return request;
}

void append_json_string(std::string& out, std::string_view utf8) {
    constexpr char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void append_outcome_json(std::string& out, const calc_outcome& outcome) {
    if (!outcome.result) {
        out += "{\"message\":";
        append_json_string(out, outcome.message);
        out += '}';
        return;
    }
    const calc_result& r = *outcome.result;
    out += '{';
    append_int(out, "net_balance", r.net_balance);
    append_int(out, "loan_fee", r.loan_fee);
    append_int(out, "loan_amount", r.loan_amount);
    append_int(out, "payment_count", r.payment_count);
    append_int(out, "first_payment", r.first_payment);
    append_int(out, "later_payment", r.later_payment);
    append_int(out, "later_count", r.later_count);
    append_int(out, "bonus_payment", r.bonus_payment);
    append_int(out, "bonus_count", r.bonus_count);
    append_int(out, "deferment_months", r.deferment_months);
    append_int(out, "comparison", r.comparison);
    append_text(out, "loan_fee_text", r.loan_fee_text);
    append_text(out, "loan_amount_text", r.loan_amount_text);
    append_text(out, "first_payment_text", r.first_payment_text);
    append_text(out, "later_payment_text", r.later_payment_text);
    append_text(out, "later_count_text", r.later_count_text);
    append_text(out, "bonus_payment_text", r.bonus_payment_text);
    append_text(out, "bonus_times_text", r.bonus_times_text);
    append_text(out, "comparison_text", r.comparison_text);
    append_text(out, "rate_text", r.rate_text);
    out.back() = '}';
}

void append_error_json(std::string& out, std::string_view message) {
    out += "{\"error\":";
    append_json_string(out, message);
    out += '}';
}

int run_batch(std::istream& in, std::ostream& out, std::ostream& err) {
    constexpr std::size_t flush_size = 1 << 16;
    std::string line;
    std::string buffer;
    buffer.reserve(flush_size + 4096);
    bool failed = false;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        auto parsed = parse_quote_line(line);
        if (const auto* request = std::get_if<quote_request>(&parsed)) {
            append_outcome_json(buffer, calculate(request->inputs, request->flags));
        } else {
            const std::string message =
                "line " + std::to_string(number) + ": " + std::get<std::string>(parsed);
            // Earlier output goes first, so that messages and lines appear in order on a terminal.
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
            out.flush();
            err << "carloan-quote: " << message << '\n';
            append_error_json(buffer, message);
            failed = true;
        }
        buffer += '\n';
        if (buffer.size() >= flush_size) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    out.flush();
    if (in.bad()) {
        err << "carloan-quote: cannot read the input\n";
        failed = true;
    }
    if (!out) {
        err << "carloan-quote: cannot write the output\n";
        failed = true;
    }
    return failed ? exit_failure : exit_ok;
}

}  // namespace carloan
