#include "storage/quote_calculation.h"

#include "text/cp932.h"

namespace carloan {

calc_inputs inputs_of(const quote_record& record) {
    calc_inputs inputs;
    inputs.rate_text = read_slot(record.rate_text);
    inputs.payment_count_text = read_slot(record.payment_count_text);
    inputs.net_balance_text = read_slot(record.net_balance_text);
    inputs.skip_months_text = read_slot(record.skip_months_text);
    inputs.bonus_addition_text = read_slot(record.bonus_addition_text);
    inputs.bonus_count_text = read_slot(record.bonus_count_text);
    inputs.deferment_text = read_slot(record.deferment_text);
    return inputs;
}

void store_result(quote_record& record, const calc_result& result, const current_flags& flags) {
    record.first_payment = result.first_payment;
    record.later_payment = result.later_payment;
    record.bonus_payment = result.bonus_payment;
    record.net_balance = result.net_balance;
    record.payment_count = result.payment_count;
    record.loan_fee = result.loan_fee;
    record.loan_amount = result.loan_amount;
    record.later_count = result.later_count;
    record.bonus_count = result.bonus_count;
    record.bonus_method = flags.bonus_method;
    record.deferment_months = result.deferment_months;
    record.cycle_mode = flags.cycle_mode;
    write_slot(record.rate_text, result.rate_text);
}

namespace {

struct extension_slot {
    std::string price_line_texts::*text;
    char (quote_extension::*slot)[16];
};

constexpr extension_slot extension_slots[] = {
    {&price_line_texts::vehicle_price_text, &quote_extension::vehicle_price_text},
    {&price_line_texts::accessories_text, &quote_extension::accessories_text},
    {&price_line_texts::expenses_text, &quote_extension::expenses_text},
    {&price_line_texts::discount_text, &quote_extension::discount_text},
    {&price_line_texts::down_payment_text, &quote_extension::down_payment_text},
    {&price_line_texts::trade_in_text, &quote_extension::trade_in_text},
};

}  // namespace

price_line_texts price_lines_of(const quote_extension& extension) {
    price_line_texts lines;
    for (const extension_slot& entry : extension_slots) {
        lines.*entry.text = read_slot(extension.*entry.slot);
    }
    return lines;
}

std::string residual_text_of(const quote_extension& extension) {
    if (extension.residual_percent > 0) {
        std::string text = std::to_string(extension.residual_percent / 100);
        if (const std::int32_t places = extension.residual_percent % 100; places != 0) {
            text += '.';
            text += static_cast<char>('0' + places / 10);
            if (places % 10 != 0) {
                text += static_cast<char>('0' + places % 10);
            }
        }
        return text + '%';
    }
    return extension.residual > 0 ? std::to_string(extension.residual) : std::string();
}

void store_extension(quote_extension& extension, const price_line_texts& lines,
                     const residual_amount& residual) {
    for (const extension_slot& entry : extension_slots) {
        write_slot(extension.*entry.slot, lines.*entry.text);
    }
    extension.residual = residual.yen;
    extension.residual_percent = residual.percent_hundredths;
}

}  // namespace carloan
