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

}  // namespace carloan
