// The installment calculation per quote, texts in and texts out, as the main window and the batch
// tool call it.

#include "calc/calculate.h"

#include <benchmark/benchmark.h>

namespace carloan {
namespace {

void quote(benchmark::State& state, calc_inputs inputs, current_flags flags) {
    for (auto _ : state) {
        calc_outcome outcome = calculate(inputs, flags);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK_CAPTURE(quote, no_bonus, calc_inputs{"9.9", "36", "1,000,000"}, current_flags{0, 1});
BENCHMARK_CAPTURE(quote, add_on_split_fee,
                  calc_inputs{"9.9", "60", "2,000,000", "", "50,000", "10", "6"},
                  current_flags{0, 1});
BENCHMARK_CAPTURE(quote, total_second_cycle,
                  calc_inputs{"9.9", "60", "2,000,000", "2", "90,000", "10", "6"},
                  current_flags{1, 2});
BENCHMARK_CAPTURE(quote, missing_balance, calc_inputs{"9.9", "36"}, current_flags{0, 1});

}  // namespace
}  // namespace carloan
