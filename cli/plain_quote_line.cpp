// read_plain_quote_line of cli/quote_line.h: the common batch line read without a JSON tree.

#include "cli/quote_line.h"

#include "cli/json_string.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

namespace carloan {
namespace {

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
    std::string& text = *key_text(key, request);
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

}  // namespace

bool read_plain_quote_line(std::string_view line, quote_request& request) {
    // Cleared rather than replaced, so that a batch reuses the texts' storage from line to line.
    for (const line_key& key : line_keys) {
        if (key.text != nullptr) {
            (request.inputs.*key.text).clear();
        }
    }
    if (request.extras.any()) {
        request.extras.residual_given = false;
        request.extras.residual_text.clear();
        for (const price_line& line : price_lines) {
            (request.extras.prices.*line.text).clear();
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
