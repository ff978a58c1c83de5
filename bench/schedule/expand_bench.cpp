// The expansion and listing of the longest quote the table holds: 420 payments with a bonus
// every six months.

#include "schedule/expand.h"

#include <benchmark/benchmark.h>

namespace {

carloan::quote_record longest_quote() {
    carloan::quote_record record{};
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

void expand_420_payments(benchmark::State& state) {
    const carloan::quote_record record = longest_quote();
    const carloan::schedule_entries entered{"2024", "5", "2024", "7", "7", "12"};
    for (auto _ : state) {
        carloan::expansion out = carloan::expand(record, entered);
        benchmark::DoNotOptimize(out);
        if (!out.message.empty() || out.lines.size() != 420) {
            state.SkipWithError("the quote did not list 420 payments");
            break;
        }
    }
}
BENCHMARK(expand_420_payments)->Unit(benchmark::kMicrosecond);

}  // namespace
