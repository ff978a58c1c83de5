// The installment calculation per quote, texts in and texts out, as the main window and the batch
// tool call it; and the residual-value plan of the same kind of quote beside it.

#include "calc/calculate.h"
#include "calc/residual_plan.h"

#include <benchmark/benchmark.h>

namespace carloan {
namespace {

void quote(benchmark::State& state, calc_inputs inputs, current_flags flags) {
    for (auto _ : state) {
        calc_outcome outcome = calculate(inputs, flags);
        benchmark::DoNotOptimize(outcome);
    }
}

void residual(benchmark::State& state, calc_inputs inputs, current_flags flags,
              std::string residual_text) {
    for (auto _ : state) {
        calc_outcome outcome = quote_residual_plan(inputs, flags, residual_text, 3000000);
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

BENCHMARK_CAPTURE(residual, no_bonus, calc_inputs{"4.2", "60", "1,906,500"}, current_flags{0, 1},
                  "957,000");
BENCHMARK_CAPTURE(residual, bonus_second_cycle,
                  calc_inputs{"3.9", "61", "1,000,000", "", "50,000", "10", "5"},
                  current_flags{0, 2}, "400,000");
BENCHMARK_CAPTURE(residual, percentage_420, calc_inputs{"9.9", "420", "2,000,000"},
                  current_flags{0, 1}, "45%");

}  // namespace
}  // namespace carloan
