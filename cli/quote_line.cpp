#include "cli/quote_line.h"

#include "cli/json_string.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace carloan {
namespace {

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
    if (std::string* target = key_text(*found, request)) {
        if (!value.is_string()) {
            return key_literal(key) + " must be a string";
        }
        std::optional<std::string> text = field_text(value.get_ref<const std::string&>());
        if (!text) {
            return key_literal(key) + " holds a character that code page 932 cannot hold";
        }
        *target = std::move(*text);
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

std::variant<quote_request, std::string> parse_quote_line(std::string_view line) {
    quote_request request;
    if (read_plain_quote_line(line, request)) {
        return request;
    }
    return parse_json_quote_line(line);
}

}  // namespace carloan
