#include "cli/quote_request.h"

#include "text/cp932.h"

namespace carloan {

std::optional<std::string> field_text(std::string_view utf8) {
    std::optional<std::string> text = utf8_to_cp932(utf8);
    if (text) {
        text->resize(cp932_prefix(*text, input_read_limit).size());
    }
    return text;
}

}  // namespace carloan
