#include "cli/quote_tool.h"

#include "cli/batch.h"
#include "cli/extended_quote.h"
#include "cli/plan_output.h"
#include "cli/quote_json.h"
#include "cli/quote_request.h"
#include "cli/quote_text.h"
#include "schedule/schedule_csv.h"
#include "schedule/schedule_page.h"
#include "storage/quote_calculation.h"
#include "text/cp932.h"

#include <optional>
#include <ostream>
#include <thread>

namespace carloan {
namespace {

// The schedule of a completed quote, or why its texts cannot be read.
std::variant<expansion, std::string> quote_schedule(const tool_options& options,
                                                    const calc_result& result) {
    schedule_entries entered;
    std::string schedule_entries::*const texts[] = {
        &schedule_entries::start_year,       &schedule_entries::start_month,
        &schedule_entries::first_bonus_year, &schedule_entries::first_bonus_month,
        &schedule_entries::bonus_month_1,    &schedule_entries::bonus_month_2};
    for (std::string schedule_entries::*text : texts) {
        std::optional<std::string> bytes = field_text(options.schedule_texts.*text);
        if (!bytes) {
            return std::string(
                "the schedule options hold a character that code page 932 cannot hold");
        }
        entered.*text = std::move(*bytes);
    }
    quote_record record{};
    store_result(record, result, options.flags);
    return expand(record, entered);
}

}  // namespace

int run_tool(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
             std::ostream& err) {
    auto parsed = parse_options(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        err << "carloan-quote: " << *problem << "\nTry carloan-quote --help\n";
        return exit_failure;
    }
    const tool_options& options = std::get<tool_options>(parsed);
    if (options.help) {
        return write_output(out, err, usage_text()) ? exit_ok : exit_failure;
    }
    if (options.batch) {
        return run_batch(in, out, err, std::thread::hardware_concurrency());
    }

    auto read = option_inputs(options);
    if (const auto* problem = std::get_if<std::string>(&read)) {
        err << "carloan-quote: " << *problem << '\n';
        return exit_failure;
    }
    const calc_inputs& inputs = std::get<calc_inputs>(read);
    auto read_extras = option_extras(options);
    if (const auto* problem = std::get_if<std::string>(&read_extras)) {
        err << "carloan-quote: " << *problem << '\n';
        return exit_failure;
    }
    const quote_extras& extras = std::get<quote_extras>(read_extras);
    if (options.compare_counts) {
        return print_comparison(inputs, options.flags, extras, *options.compare_counts,
                                options.json, out, err);
    }
    if (options.budget) {
        return print_solution(inputs, options.flags, *options.budget, options.solve, options.json,
                              out, err);
    }

    const extended_outcome quoted = quote_extended(inputs, options.flags, extras);
    const calc_outcome& outcome = quoted.outcome;
    std::optional<expansion> schedule;
    if (options.schedule && outcome.result) {
        auto expanded = quote_schedule(options, *outcome.result);
        if (const auto* problem = std::get_if<std::string>(&expanded)) {
            err << "carloan-quote: " << *problem << '\n';
            return exit_failure;
        }
        schedule = std::move(std::get<expansion>(expanded));
    }

    std::string text;
    if (options.csv) {
        if (!outcome.result) {
            err << outcome.message << '\n';
        } else if (schedule->message.empty()) {
            text = schedule_csv(payment_rows(schedule->rows));
        }
    } else if (options.json) {
        append_extended_json(text, quoted);
        if (schedule) {
            add_schedule_json(text, *schedule);
        }
        text += '\n';
    } else if (outcome.result) {
        if (quoted.prices) {
            text = price_rows(*quoted.prices);
        }
        text += quote_table(*outcome.result, options.flags);
        if (quoted.prices) {
            text += payment_total_row(quoted.payment_total);
        }
        if (schedule && schedule->message.empty()) {
            text += '\n';
            for (const std::string& line : schedule->lines) {
                text += cp932_to_utf8(line);
                text += '\n';
            }
        }
    } else {
        err << outcome.message << '\n';
    }
    if (schedule && !schedule->message.empty() && !options.json) {
        err << schedule->message << '\n';
    }
    if (!write_output(out, err, text)) {
        return exit_failure;
    }
    if (!outcome.result) {
        return exit_missing_input;
    }
    return schedule && !schedule->message.empty() ? exit_schedule_refused : exit_ok;
}

}  // namespace carloan
