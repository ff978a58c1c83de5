// A quote file of any bytes: opened, its fields shown and calculated, its schedule listed and its
// estimate laid out, as 読込, 明細 and 印刷 would do with it.

#include "calc/calculate.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace carloan;
    quote_record record{};
    if (!open_quote(fuzzing::file_holding(data, size), record)) {
        return 0;
    }
    const current_flags flags{record.bonus_method, record.cycle_mode};
    const calc_inputs inputs{
        as_field(record.rate_text),           as_field(record.payment_count_text),
        as_field(record.net_balance_text),    as_field(record.skip_months_text),
        as_field(record.bonus_addition_text), as_field(record.bonus_count_text),
        as_field(record.deferment_text)};
    const calc_outcome outcome = calculate(inputs, flags);
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
