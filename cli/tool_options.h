#pragma once
// carloan-quote's options and its usage text: the command line read into what a run asks for.
// Texts stay as typed (UTF-8) until option_inputs turns them into the form's texts.

#include "calc/calculate.h"
#include "cli/quote_request.h"
#include "schedule/expand.h"

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

    // Plans instead of the single quote (cli/plan_output.h); UTF-8, as typed.
    std::optional<std::string> compare_counts;
    std::optional<std::string> budget;
    std::string solve;  // "balance" or "payments"

    // The residual ("45%" when typed as a percentage) and the price lines; UTF-8, as typed.
    quote_extras extras;
};

// The options, or why they cannot be used.
std::variant<tool_options, std::string> parse_options(std::span<const std::string_view> args);

std::string usage_text();

// The quote's texts as the form would hold them, or which option holds a character code page 932
// cannot hold.
std::variant<calc_inputs, std::string> option_inputs(const tool_options& options);
// The same for the residual and the price lines.
std::variant<quote_extras, std::string> option_extras(const tool_options& options);

}  // namespace carloan
