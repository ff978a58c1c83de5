#pragma once
// carloan-quote as a function: options in, a quote table, a JSON object or a batch of JSON lines
// out, and the exit status. main only hands it the process's arguments and streams.

#include "calc/calculate.h"
#include "schedule/expand.h"

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace carloan {

struct tool_options {
    calc_inputs texts;  // UTF-8, as typed on the command line
    current_flags flags;
    bool quote_given = false;  // any option of a single quote
    bool json = false;
    bool batch = false;
    bool help = false;
    bool schedule = false;              // --schedule: list the quote month by month
    bool schedule_bonus_given = false;  // --first-bonus or --bonus-months
    bool csv = false;                   // --csv: the schedule as CSV instead of the listing
    schedule_entries schedule_texts;    // UTF-8, as typed

    // Plans instead of the single quote (cli/compare_output.h); UTF-8, as typed.
    std::optional<std::string> compare_counts;
    std::optional<std::string> budget;
    std::string solve;  // "balance" or "payments"
};

// The options, or why they cannot be used.
std::variant<tool_options, std::string> parse_options(std::span<const std::string_view> args);

std::string usage_text();

// Writes the whole output of a run; false, said on `err`, when it could not be written.
bool write_output(std::ostream& out, std::ostream& err, std::string_view text);

// The result as the main window shows it, in UTF-8, one labelled line per output field.
std::string quote_table(const calc_result& result, const current_flags& flags);

// args excludes the program name.
int run_tool(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace carloan
