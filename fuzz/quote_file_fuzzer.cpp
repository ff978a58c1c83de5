// A quote file of any bytes: opened, its fields shown and calculated, its schedule listed and its
// estimate laid out, as 読込, 明細 and 印刷 would do with it; an extension block after the record
// read, its price lines totalled and its residual plan quoted.

#include "calc/calculate.h"
#include "calc/price_lines.h"
#include "calc/residual_plan.h"
#include "file_input.h"
#include "print/estimate_page.h"
#include "schedule/expand.h"
#include "storage/quote_calculation.h"
#include "storage/quote_file.h"
#include "text/cp932.h"

#include <cstdint>
#include <span>
#include <string>

namespace {

// A slot as the field shows it and as the calculation then reads the field.
std::string as_field(std::span<const char> slot) {
    const std::string shown = carloan::cp932_to_utf8(carloan::read_slot(slot));
    const std::string typed = carloan::utf8_to_cp932(shown).value_or("");
    return std::string(carloan::cp932_prefix(typed, carloan::input_read_limit));
}

// As the window would: the price lines make the net balance, and the residual plan is quoted
// beside the ordinary one.
void quote_extended(carloan::calc_inputs inputs, const carloan::current_flags& flags,
                    const carloan::quote_extension& extension) {
    using namespace carloan;
    price_line_texts lines = price_lines_of(extension);
    for (const price_line& line : price_lines) {
        lines.*line.text = as_field(std::span<const char>(lines.*line.text));
    }
    std::optional<price_figures> prices;
    if (lines.any()) {
        const auto read = read_price_lines(lines);
        if (const auto* figures = std::get_if<price_figures>(&read)) {
            prices = *figures;
            inputs.net_balance_text = std::to_string(figures->net_balance);
        }
    }
    const std::string residual = residual_text_of(extension);
    if (residual.empty()) {
        return;
    }
    const calc_outcome plan = quote_residual_plan(
        inputs, flags, residual,
        prices ? std::optional(prices->vehicle_price) : std::optional<std::int32_t>());
    if (plan.result) {
        const calc_result& r = *plan.result;
        // Every payment together is the loan amount.
        if (std::int64_t{r.later_count} * r.later_payment + r.first_payment +
                std::int64_t{r.bonus_count} * r.bonus_payment + r.final_payment !=
            r.loan_amount) {
            __builtin_trap();
        }
        if (prices) {
            (void)payment_total(*prices, r.loan_amount);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace carloan;
    quote_record record{};
    quote_extension extension{};
    std::string block_message;
    if (!open_quote_with_extension(fuzzing::file_holding(data, size), record, extension,
                                   block_message)) {
        return 0;
    }
    if (!block_message.empty() && !is_empty(extension)) {
        __builtin_trap();  // a block left out must leave nothing of itself behind
    }
    const current_flags flags{record.bonus_method, record.cycle_mode};
    const calc_inputs inputs{
        as_field(record.rate_text),           as_field(record.payment_count_text),
        as_field(record.net_balance_text),    as_field(record.skip_months_text),
        as_field(record.bonus_addition_text), as_field(record.bonus_count_text),
        as_field(record.deferment_text)};
    const calc_outcome outcome = calculate(inputs, flags);
    quote_extended(inputs, flags, extension);
    if (outcome.result) {
        store_result(record, *outcome.result, flags);
    }
    const expansion listed = expand(record, entries_of(record));
    for (const std::string& line : listed.lines) {
        (void)cp932_to_utf16(line);
    }
    const branch_settings settings{};
    for (const page_string& text : estimate_page(record, settings, flags.bonus_method, {})) {
        (void)cp932_to_utf16(text.text);
    }
    return 0;
}
