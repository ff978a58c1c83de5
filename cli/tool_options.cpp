#include "cli/tool_options.h"

#include "cli/option_number.h"
#include "cli/quote_request.h"

#include <algorithm>
#include <array>

namespace carloan {
namespace {

using option_error = std::optional<std::string>;

// One row per option. A row fills a field text or a price line, or applies its own handler; the
// usage text is made from the same rows.
struct option_row {
    std::string_view name;
    std::string_view value_name;  // empty for a switch
    std::string_view help;
    std::string calc_inputs::*field = nullptr;
    option_error (*apply)(tool_options&, std::string_view value) = nullptr;
    std::string price_line_texts::*price = nullptr;  // an amount of yen, as a field's
};

option_error set_method(tool_options& options, std::string_view value) {
    if (value == "addon") {
        options.flags.bonus_method = 0;
    } else if (value == "total") {
        options.flags.bonus_method = 1;
    } else {
        return "--method takes addon or total";
    }
    options.quote_given = true;
    return std::nullopt;
}

option_error set_cycle(tool_options& options, std::string_view value) {
    if (value != "1" && value != "2") {
        return "--cycle takes 1 or 2";
    }
    options.flags.cycle_mode = value == "1" ? 1 : 2;
    options.quote_given = true;
    return std::nullopt;
}

// What a field's text holds: the rate, an amount of yen, or a count of months or payments.
number_kind kind_of(std::string calc_inputs::*field) {
    if (field == &calc_inputs::rate_text) {
        return number_kind::rate;
    }
    if (field == &calc_inputs::net_balance_text || field == &calc_inputs::bonus_addition_text) {
        return number_kind::amount;
    }
    return number_kind::count;
}

// "2024/5" into its two numbers, full-width digits folded. Either may be empty: the schedule
// reports that as missing; anything else that is not wholly a number does not split.
bool split_pair(std::string_view value, char separator, std::string& first, std::string& second) {
    const auto at = value.find(separator);
    if (at == value.npos) {
        return false;
    }
    std::optional<std::string> left = option_number(value.substr(0, at), number_kind::count);
    std::optional<std::string> right = option_number(value.substr(at + 1), number_kind::count);
    if (!left || !right) {
        return false;
    }
    first = std::move(*left);
    second = std::move(*right);
    return true;
}

option_error set_schedule(tool_options& options, std::string_view value) {
    schedule_entries& texts = options.schedule_texts;
    if (!split_pair(value, '/', texts.start_year, texts.start_month)) {
        return "--schedule takes START_YEAR/START_MONTH";
    }
    options.schedule = true;
    options.quote_given = true;
    return std::nullopt;
}

option_error set_first_bonus(tool_options& options, std::string_view value) {
    schedule_entries& texts = options.schedule_texts;
    if (!split_pair(value, '/', texts.first_bonus_year, texts.first_bonus_month)) {
        return "--first-bonus takes YEAR/MONTH";
    }
    options.schedule_bonus_given = true;
    return std::nullopt;
}

option_error set_bonus_months(tool_options& options, std::string_view value) {
    schedule_entries& texts = options.schedule_texts;
    if (!split_pair(value, ',', texts.bonus_month_1, texts.bonus_month_2)) {
        return "--bonus-months takes M1,M2";
    }
    options.schedule_bonus_given = true;
    return std::nullopt;
}

option_error set_compare(tool_options& options, std::string_view value) {
    options.compare_counts = std::string(value);
    options.quote_given = true;
    return std::nullopt;
}

option_error set_budget(tool_options& options, std::string_view value) {
    std::optional<std::string> amount = option_number(value, number_kind::amount);
    if (!amount) {
        return "--budget takes an amount of yen, e.g. 30,000";
    }
    options.budget = std::move(*amount);
    options.quote_given = true;
    return std::nullopt;
}

option_error set_solve(tool_options& options, std::string_view value) {
    if (value != "balance" && value != "payments") {
        return "--solve takes balance or payments";
    }
    options.solve = std::string(value);
    options.quote_given = true;
    return std::nullopt;
}

// Yen as --balance takes them, or a percentage of --vehicle-price: "45%", "45.5％".
option_error set_residual(tool_options& options, std::string_view value) {
    std::optional<std::string> text;
    for (const std::string_view percent : {std::string_view("%"), std::string_view("％")}) {
        if (value.ends_with(percent)) {
            text = option_number(value.substr(0, value.size() - percent.size()), number_kind::rate);
            if (text) {
                *text += '%';
            }
        }
    }
    if (!text && !value.ends_with("%") && !value.ends_with("％")) {
        text = option_number(value, number_kind::amount);
    }
    if (!text) {
        return "--residual takes an amount of yen, e.g. 957,000, or a percentage of "
               "--vehicle-price, e.g. 45%";
    }
    options.extras.residual_given = true;
    options.extras.residual_text = std::move(*text);
    options.quote_given = true;
    return std::nullopt;
}

template <bool tool_options::*on>
option_error set_switch(tool_options& options, std::string_view) {
    options.*on = true;
    return std::nullopt;
}

// The plan options each take the whole quote over; none goes with another or with a listing.
option_error check_plan_options(const tool_options& options) {
    if (options.budget.has_value() != !options.solve.empty()) {
        return "--budget and --solve go together";
    }
    if (options.compare_counts && !options.solve.empty()) {
        return "--compare and --solve cannot be used together";
    }
    if ((options.compare_counts || !options.solve.empty()) && options.schedule) {
        return "--schedule lists a single quote, not --compare or --solve";
    }
    if (options.extras.prices.any() && !options.texts.net_balance_text.empty()) {
        return "the price lines make the net balance: --balance goes without them";
    }
    if (!options.solve.empty() && options.extras.any()) {
        return "--solve starts from --balance, without --residual or the price lines";
    }
    if (options.schedule && options.extras.residual_given) {
        return "--schedule lists the ordinary plan, not the residual-value plan";
    }
    return std::nullopt;
}

const std::array option_rows{
    option_row{"--rate", "TEXT", "effective annual rate in percent, e.g. 9.9",
               &calc_inputs::rate_text},
    option_row{"--payments", "TEXT", "number of monthly payments",
               &calc_inputs::payment_count_text},
    option_row{"--balance", "TEXT", "net balance in yen, e.g. 1,000,000",
               &calc_inputs::net_balance_text},
    option_row{"--skip", "TEXT", "skip months", &calc_inputs::skip_months_text},
    option_row{"--bonus", "TEXT", "bonus amount in yen", &calc_inputs::bonus_addition_text},
    option_row{"--bonus-count", "TEXT", "number of bonus payments", &calc_inputs::bonus_count_text},
    option_row{"--deferment", "TEXT", "months until the first bonus payment",
               &calc_inputs::deferment_text},
    option_row{"--method", "addon|total", "bonus-month add-on (default) or total method", nullptr,
               set_method},
    option_row{"--cycle", "1|2", "first-cycle (default) or second-cycle booking", nullptr,
               set_cycle},
    option_row{"--residual", "YEN|PERCENT%",
               "residual-value plan: the last payment, e.g. 957,000 or 45% of --vehicle-price",
               nullptr, set_residual},
    option_row{"--vehicle-price", "YEN", "price line 車両本体価格 (vehicle price)", nullptr,
               nullptr, &price_line_texts::vehicle_price_text},
    option_row{"--accessories", "YEN", "price line 付属品 (accessories)", nullptr, nullptr,
               &price_line_texts::accessories_text},
    option_row{"--expenses", "YEN", "price line 諸費用 (fees and expenses)", nullptr, nullptr,
               &price_line_texts::expenses_text},
    option_row{"--discount", "YEN", "price line 値引き (discount)", nullptr, nullptr,
               &price_line_texts::discount_text},
    option_row{"--down-payment", "YEN", "price line 頭金 (down payment)", nullptr, nullptr,
               &price_line_texts::down_payment_text},
    option_row{"--trade-in", "YEN", "price line 下取り価格 (trade-in)", nullptr, nullptr,
               &price_line_texts::trade_in_text},
    option_row{"--schedule", "YEAR/MONTH",
               "list the payments month by month, the first in YEAR/MONTH (1900 to 2100)", nullptr,
               set_schedule},
    option_row{"--first-bonus", "YEAR/MONTH", "month of the first bonus payment (1900 to 2100)",
               nullptr, set_first_bonus},
    option_row{"--bonus-months", "M1,M2", "the two bonus months of the year", nullptr,
               set_bonus_months},
    option_row{"--compare", "COUNTS",
               "quote each payment count of the list side by side, e.g. 12,24,36", nullptr,
               set_compare},
    option_row{"--budget", "YEN", "monthly budget for --solve", nullptr, set_budget},
    option_row{"--solve", "balance|payments",
               "the largest balance, or the fewest payments, whose later payment is within "
               "--budget",
               nullptr, set_solve},
    option_row{"--csv", "",
               "with --schedule: write only the schedule, as CSV (UTF-8 with a byte-order mark)",
               nullptr, set_switch<&tool_options::csv>},
    option_row{"--json", "", "print the quote as one JSON object", nullptr,
               set_switch<&tool_options::json>},
    option_row{"--batch", "",
               "read one JSON object per line from standard input, write one per line", nullptr,
               set_switch<&tool_options::batch>},
    option_row{"--help", "", "show this text", nullptr, set_switch<&tool_options::help>},
};

const option_row* find_option(std::string_view name) {
    for (const option_row& row : option_rows) {
        if (row.name == name) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

std::variant<tool_options, std::string> parse_options(std::span<const std::string_view> args) {
    tool_options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> value;
        if (const auto equals = name.find('='); name.starts_with("--") && equals != name.npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const option_row* row = find_option(name);
        if (row == nullptr) {
            return "unknown option " + std::string(args[i]);
        }
        if (row->value_name.empty()) {
            if (value) {
                return std::string(name) + " takes no value";
            }
        } else if (!value) {
            if (i + 1 == args.size()) {
                return std::string(name) + " needs a value";
            }
            value = args[++i];
        }
        if (row->field != nullptr || row->price != nullptr) {
            std::optional<std::string> number = option_number(
                *value, row->field != nullptr ? kind_of(row->field) : number_kind::amount);
            if (!number) {
                return std::string(name) + " takes a number, not " + std::string(*value);
            }
            (row->field != nullptr ? options.texts.*row->field
                                   : options.extras.prices.*row->price) = std::move(*number);
            options.quote_given = true;
        } else if (option_error problem = row->apply(options, value.value_or(""))) {
            return std::move(*problem);
        }
    }
    if (options.schedule_bonus_given && !options.schedule) {
        return std::string("--first-bonus and --bonus-months go with --schedule");
    }
    if (option_error problem = check_plan_options(options)) {
        return std::move(*problem);
    }
    if (options.csv && (!options.schedule || options.json)) {
        return std::string("--csv goes with --schedule and not with --json");
    }
    if (options.batch && options.quote_given) {
        return std::string("--batch takes its quotes from standard input, not from options");
    }
    return options;
}

std::string usage_text() {
    std::string text =
        "Usage: carloan-quote --rate TEXT --payments TEXT --balance TEXT [options]\n"
        "       carloan-quote --rate TEXT --payments TEXT --vehicle-price YEN ... [--residual "
        "YEN]\n"
        "       carloan-quote ... --compare 12,24,36 | --budget YEN --solve balance|payments\n"
        "       carloan-quote --batch < quotes.jsonl\n"
        "\n"
        "Quotes an auto loan: loan fee, loan amount, first and later payments, bonus payments\n"
        "and the equal-payment comparison figure. Numbers are read as the quote form reads\n"
        "them, full-width digits too, but only when the whole value is one. Given any price\n"
        "line, the net balance is the vehicle price + accessories + expenses - discount\n"
        "- down payment - trade-in. A residual given in percent is rounded down to 1,000 yen.\n"
        "\n";
    for (const option_row& row : option_rows) {
        std::string left = "  " + std::string(row.name);
        if (!row.value_name.empty()) {
            left += ' ';
            left += row.value_name;
        }
        left.resize(std::max<std::size_t>(left.size() + 1, 28), ' ');
        text += left;
        text += row.help;
        text += '\n';
    }
    text +=
        "\n"
        "Batch lines hold the string keys rate_text, payment_count_text, net_balance_text,\n"
        "skip_months_text, bonus_addition_text, bonus_count_text, deferment_text and the integer\n"
        "keys bonus_method (1 = total method) and cycle_mode (2 = second cycle); residual_text\n"
        "(yen or a percentage, as --residual) asks for the residual-value plan, and the price\n"
        "lines vehicle_price_text, accessories_text, expenses_text, discount_text,\n"
        "down_payment_text and trade_in_text make the net balance.\n"
        "A residual-value plan adds final_payment, final_payment_text and residual and has no\n"
        "comparison; price lines add vehicle_price, accessories, expenses, discount,\n"
        "down_payment, trade_in, cash_price (現金販売価格) and total_payment (お支払総額).\n"
        "\n"
        "Exit status: 0 quoted; 1 bad options or a batch line that could not be read;\n"
        "2 an input is missing or out of range, or a figure would be (the message says which),\n"
        "or nothing meets --budget; 3 the schedule cannot be listed (the message says why).\n";
    return text;
}

std::variant<quote_extras, std::string> option_extras(const tool_options& options) {
    quote_extras extras;
    extras.residual_given = options.extras.residual_given;
    for (const option_row& row : option_rows) {
        std::string* target = row.price != nullptr        ? &(extras.prices.*row.price)
                              : row.apply == set_residual ? &extras.residual_text
                                                          : nullptr;
        if (target == nullptr) {
            continue;
        }
        const std::string& typed =
            row.price != nullptr ? options.extras.prices.*row.price : options.extras.residual_text;
        std::optional<std::string> text = field_text(typed);
        if (!text) {
            return std::string(row.name) + " holds a character that code page 932 cannot hold";
        }
        *target = std::move(*text);
    }
    return extras;
}

std::variant<calc_inputs, std::string> option_inputs(const tool_options& options) {
    calc_inputs inputs;
    for (const option_row& row : option_rows) {
        if (row.field == nullptr) {
            continue;
        }
        std::optional<std::string> text = field_text(options.texts.*row.field);
        if (!text) {
            return std::string(row.name) + " holds a character that code page 932 cannot hold";
        }
        inputs.*row.field = std::move(*text);
    }
    return inputs;
}

}  // namespace carloan
