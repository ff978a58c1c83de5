#include "cli/quote_line.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace carloan {
namespace {

// A key of a batch line and where its value goes: a text field or a flag.
struct line_key {
    std::string_view name;
    std::string calc_inputs::*text = nullptr;
    std::int32_t current_flags::*flag = nullptr;
};

constexpr std::array<line_key, 9> line_keys{{
    {"rate_text", &calc_inputs::rate_text},
    {"payment_count_text", &calc_inputs::payment_count_text},
    {"net_balance_text", &calc_inputs::net_balance_text},
    {"skip_months_text", &calc_inputs::skip_months_text},
    {"bonus_addition_text", &calc_inputs::bonus_addition_text},
    {"bonus_count_text", &calc_inputs::bonus_count_text},
    {"deferment_text", &calc_inputs::deferment_text},
    {"bonus_method", nullptr, &current_flags::bonus_method},
    {"cycle_mode", nullptr, &current_flags::cycle_mode},
}};

// A cursor over the line that gives up (returns false) at the first thing it does not expect.
class plain_reader {
  public:
    explicit plain_reader(std::string_view line) : at_(line.data()), end_(at_ + line.size()) {}

    bool at_end() const { return at_ == end_; }

    void skip_blanks() {
        while (at_ != end_ && (*at_ == ' ' || *at_ == '\t' || *at_ == '\r' || *at_ == '\n')) {
            ++at_;
        }
    }

    bool take(char c) {
        if (at_ == end_ || *at_ != c) {
            return false;
        }
        ++at_;
        return true;
    }

    // A key, up to its closing quote. Only a known key is taken, and every known key is plain
    // ASCII, so the bytes need no other check: an escape or a control character never matches.
    const line_key* key() {
        if (!take('"')) {
            return nullptr;
        }
        const void* quote = std::memchr(at_, '"', static_cast<std::size_t>(end_ - at_));
        if (quote == nullptr) {
            return nullptr;
        }
        const std::string_view name(
            at_, static_cast<std::size_t>(static_cast<const char*>(quote) - at_));
        at_ += name.size() + 1;
        const auto found = std::find_if(line_keys.begin(), line_keys.end(),
                                        [&](const line_key& k) { return k.name == name; });
        return found == line_keys.end() ? nullptr : &*found;
    }

    // A string value, its escapes resolved, into `text`; `ascii` tells whether every byte is.
    bool string_value(std::string& text, bool& ascii) {
        if (!take('"')) {
            return false;
        }
        text.clear();
        ascii = true;
        while (true) {
            const char* start = at_;
            while (true) {
                at_ += plain_json_run(std::string_view(at_, static_cast<std::size_t>(end_ - at_)));
                if (at_ == end_ || static_cast<unsigned char>(*at_) < 0x7F) {
                    break;
                }
                ascii = ascii && *at_ == 0x7F;
                ++at_;
            }
            text.append(start, at_);
            if (at_ == end_ || static_cast<unsigned char>(*at_) < 0x20) {
                return false;
            }
            if (*at_++ == '"') {
                return true;
            }
            if (at_ == end_) {
                return false;
            }
            switch (*at_++) {
                case '"':
                    text += '"';
                    break;
                case '\\':
                    text += '\\';
                    break;
                case '/':
                    text += '/';
                    break;
                case 'b':
                    text += '\b';
                    break;
                case 'f':
                    text += '\f';
                    break;
                case 'n':
                    text += '\n';
                    break;
                case 'r':
                    text += '\r';
                    break;
                case 't':
                    text += '\t';
                    break;
                default:  // \u, or no escape at all
                    return false;
            }
        }
    }

    // An integer of the 32-bit range, written as JSON writes integers (no fraction or exponent).
    bool integer_value(std::int32_t& value) {
        const bool negative = take('-');
        const char* start = at_;
        std::int64_t magnitude = 0;
        while (at_ != end_ && *at_ >= '0' && *at_ <= '9' && at_ - start < 11) {
            magnitude = magnitude * 10 + (*at_++ - '0');
        }
        const auto digits = at_ - start;
        if (digits == 0 || digits > 10 || (digits > 1 && *start == '0')) {
            return false;
        }
        if (at_ != end_ && (*at_ == '.' || *at_ == 'e' || *at_ == 'E')) {
            return false;
        }
        const std::int64_t signed_value = negative ? -magnitude : magnitude;
        if (signed_value < std::numeric_limits<std::int32_t>::min() ||
            signed_value > std::numeric_limits<std::int32_t>::max()) {
            return false;
        }
        value = static_cast<std::int32_t>(signed_value);
        return true;
    }

  private:
    const char* at_;
    const char* end_;
};

bool read_value(plain_reader& reader, const line_key& key, quote_request& request) {
    if (key.flag != nullptr) {
        return reader.integer_value(request.flags.*key.flag);
    }
    std::string& text = request.inputs.*key.text;
    bool ascii = true;
    if (!reader.string_value(text, ascii)) {
        return false;
    }
    if (ascii) {
        // ASCII is its own code page 932 form and holds no zero byte here (\u is declined).
        if (text.size() > input_read_limit) {
            text.resize(input_read_limit);
        }
        return true;
    }
    std::optional<std::string> held = field_text(text);
    if (!held) {
        return false;
    }
    text = std::move(*held);
    return true;
}

using json = nlohmann::json;

std::string key_literal(std::string_view key) {
    std::string text;
    append_json_string(text, key);
    return text;
}

// Reads one key of an input object into the request; gives the reason when it cannot.
std::optional<std::string> read_json_key(quote_request& request, const std::string& key,
                                         const json& value) {
    const auto found = std::find_if(line_keys.begin(), line_keys.end(),
                                    [&](const line_key& k) { return k.name == key; });
    if (found == line_keys.end()) {
        // A misspelt key would otherwise quietly read as an empty field.
        return "unknown key " + key_literal(key);
    }
    if (found->text != nullptr) {
        if (!value.is_string()) {
            return key_literal(key) + " must be a string";
        }
        std::optional<std::string> text = field_text(value.get_ref<const std::string&>());
        if (!text) {
            return key_literal(key) + " holds a character that code page 932 cannot hold";
        }
        request.inputs.*found->text = std::move(*text);
        return std::nullopt;
    }
    if (!value.is_number_integer()) {
        return key_literal(key) + " must be an integer";
    }
    // Stored flags are 32-bit; a larger value would be silently cut.
    if (value.is_number_unsigned()
            ? value.get<std::uint64_t>() > std::uint64_t{std::numeric_limits<std::int32_t>::max()}
            : (value.get<std::int64_t>() < std::numeric_limits<std::int32_t>::min() ||
               value.get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())) {
        return key_literal(key) + " must be a 32-bit integer";
    }
    request.flags.*found->flag = value.get<std::int32_t>();
    return std::nullopt;
}

// A quote is one flat object; nesting this deep is no quote, and a tree of it would only take
// memory.
constexpr int nesting_limit = 64;
struct too_deep {};

bool limit_nesting(int depth, json::parse_event_t event, json&) {
    if (depth >= nesting_limit &&
        (event == json::parse_event_t::object_start || event == json::parse_event_t::array_start)) {
        throw too_deep{};
    }
    return true;
}

}  // namespace

std::size_t plain_json_run(std::string_view text) {
    static constexpr std::array<bool, 256> plain = [] {
        std::array<bool, 256> bytes{};
        for (int c = 0x20; c < 0x7F; ++c) {
            bytes[c] = c != '"' && c != '\\';
        }
        return bytes;
    }();
    std::size_t at = 0;
    while (at < text.size() && plain[static_cast<unsigned char>(text[at])]) {
        ++at;
    }
    return at;
}

std::variant<quote_request, std::string> parse_json_quote_line(std::string_view line) {
    json parsed;
    try {
        parsed = json::parse(line, limit_nesting);
    } catch (const json::parse_error& error) {
        return "not valid JSON (at byte " + std::to_string(error.byte) + ")";
    } catch (const json::out_of_range&) {
        return std::string("not valid JSON (a number out of range)");
    } catch (const too_deep&) {
        return "not valid JSON (nested deeper than " + std::to_string(nesting_limit) + " levels)";
    }
    if (!parsed.is_object()) {
        return std::string("not a JSON object");
    }
    quote_request request;
    for (const auto& [key, value] : parsed.items()) {
        if (std::optional<std::string> problem = read_json_key(request, key, value)) {
            return std::move(*problem);
        }
    }
    return request;
}

bool read_plain_quote_line(std::string_view line, quote_request& request) {
    // Cleared rather than replaced, so that a batch reuses the texts' storage from line to line.
    for (const line_key& key : line_keys) {
        if (key.text != nullptr) {
            (request.inputs.*key.text).clear();
        }
    }
    request.flags = current_flags{};
    plain_reader reader(line);
    reader.skip_blanks();
    if (!reader.take('{')) {
        return false;
    }
    reader.skip_blanks();
    if (!reader.take('}')) {
        do {
            reader.skip_blanks();
            const line_key* key = reader.key();
            if (key == nullptr) {
                return false;
            }
            reader.skip_blanks();
            if (!reader.take(':')) {
                return false;
            }
            reader.skip_blanks();
            if (!read_value(reader, *key, request)) {
                return false;
            }
            reader.skip_blanks();
        } while (reader.take(','));
        if (!reader.take('}')) {
            return false;
        }
    }
    reader.skip_blanks();
    return reader.at_end();
}

}  // namespace carloan
