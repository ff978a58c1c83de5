// Batch input: every line is answered by exactly one line of valid JSON, and the plain line reader
// never takes a line differently from the JSON parser.

#include "cli/batch.h"
#include "cli/quote_line.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using carloan::quote_request;

void check_readers_agree(std::string_view line) {
    quote_request plain;
    if (!carloan::read_plain_quote_line(line, plain)) {
        return;
    }
    const auto full = carloan::parse_json_quote_line(line);
    const auto* request = std::get_if<quote_request>(&full);
    if (request == nullptr || !(request->inputs == plain.inputs) ||
        !(request->extras == plain.extras) ||
        request->flags.bonus_method != plain.flags.bonus_method ||
        request->flags.cycle_mode != plain.flags.cycle_mode) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::size_t lines = 0;
    for (std::size_t start = 0; start < input.size(); ++lines) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        check_readers_agree(std::string_view(input).substr(start, end - start));
        start = end + 1;
    }

    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    carloan::run_batch(in, out, err, 0);
    std::istringstream answers(out.str());
    std::size_t answered = 0;
    for (std::string answer; std::getline(answers, answer); ++answered) {
        if (!nlohmann::json::accept(answer)) {
            std::abort();
        }
    }
    if (answered != lines) {
        std::abort();
    }
    return 0;
}
