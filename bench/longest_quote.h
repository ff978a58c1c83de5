#pragma once
// The longest quote the schedule lists: 420 payments with 70 bonuses, as the schedule benchmarks
// lay it out from May 2024 with bonuses in July and December.

#include "storage/quote_record.h"

namespace carloan::bench {

inline quote_record longest_quote() {
    quote_record record{};
    record.loan_amount = 46200000;
    record.payment_count = 420;
    record.first_payment = 70000;
    record.later_payment = 70000;
    record.bonus_payment = 40000;
    record.bonus_count = 70;
    record.deferment_months = 3;
    record.cycle_mode = 1;
    return record;
}

}  // namespace carloan::bench
