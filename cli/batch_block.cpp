#include "cli/batch_block.h"

#include "cli/extended_quote.h"
#include "cli/quote_json.h"
#include "cli/quote_line.h"

#include <ostream>

namespace carloan {
namespace {

void add_error(batch_block& block, std::size_t number, std::string_view why) {
    std::string message = "line " + std::to_string(number) + ": ";
    message += why;
    std::string line;
    append_error_json(line, message);
    block.errors.push_back({block.output.size(), std::move(message)});
    block.output.append(line);
}

void write_outcome(batch_block& block, const calc_outcome& outcome) {
    block.output.end_at(
        write_outcome_json(block.output.room(outcome_json_bound(outcome)), outcome));
}

// A line with a residual or price lines, off the common path.
void quote_extended_line(batch_block& block, std::size_t number, const quote_request& request) {
    if (const std::optional<std::string> conflict = extras_conflict(request)) {
        add_error(block, number, *conflict);
        return;
    }
    std::string line;
    append_extended_json(line, quote_extended(request.inputs, request.flags, request.extras));
    block.output.append(line);
}

void quote_request_line(batch_block& block, std::size_t number, const quote_request& request) {
    if (request.extras.any()) {
        quote_extended_line(block, number, request);
    } else {
        write_outcome(block, calculate(request.inputs, request.flags));
    }
}

// A line the plain reader declines: the full parser's request, or why there is none.
void quote_json_line(batch_block& block, std::size_t number, std::string_view line) {
    const auto parsed = parse_json_quote_line(line);
    if (const auto* request = std::get_if<quote_request>(&parsed)) {
        quote_request_line(block, number, *request);
    } else {
        add_error(block, number, std::get<std::string>(parsed));
    }
}

}  // namespace

bool read_block(line_source& source, batch_block& block) {
    std::string_view line;
    while (!block.full()) {
        const line_source::kind got = source.next(line);
        if (got == line_source::kind::end) {
            break;
        }
        if (got == line_source::kind::too_long) {
            block.lines.push_back({0, batch_block::too_long});
            continue;
        }
        block.lines.push_back({static_cast<std::uint32_t>(block.text.size()),
                               static_cast<std::uint32_t>(line.size())});
        block.text.insert(block.text.end(), line.begin(), line.end());
    }
    return !block.lines.empty();
}

void quote_block(batch_block& block, quote_request& request) {
    // Room for the usual output of the lines at once: growing by doubling would touch twice the
    // memory.
    block.output.room(640 * block.lines.size());
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const std::size_t number = block.first_number + i;
        const batch_block::line_at at = block.lines[i];
        if (at.length == batch_block::too_long) {
            add_error(block, number,
                      "longer than " + std::to_string(longest_batch_line) + " bytes");
            block.output.append("\n");
            continue;
        }
        const std::string_view line(block.text.data() + at.offset, at.length);
        try {
            if (read_plain_quote_line(line, request)) {
                quote_request_line(block, number, request);
            } else {
                quote_json_line(block, number, line);
            }
        } catch (const std::exception&) {
            add_error(block, number, "could not be quoted");
        }
        block.output.append("\n");
    }
}

void write_block(const batch_block& block, std::ostream& out, std::ostream& err) {
    std::size_t written = 0;
    for (const batch_block::error_note& note : block.errors) {
        out.write(block.output.data() + written,
                  static_cast<std::streamsize>(note.output_offset - written));
        out.flush();
        if (!out) {
            return;  // the run says once that the output cannot be written
        }
        err << "carloan-quote: " << note.message << '\n';
        written = note.output_offset;
    }
    out.write(block.output.data() + written,
              static_cast<std::streamsize>(block.output.size() - written));
}

}  // namespace carloan
