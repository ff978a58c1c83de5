// The plan comparison and the budget searches, each a run of calculations: one table of twelve
// counts, and the searches on quotes that take them their longest way (a dropped-bonus range to
// search apart, every count tried without an answer).

#include "plans/budget_search.h"
#include "plans/plan_comparison.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace carloan {
namespace {

const calc_inputs plain{"9.9", "36", "1,000,000"};
const calc_inputs total_bonus{"9.9", "60", "2,000,000", "2", "90,000", "10", "6"};
constexpr current_flags add_on{0, 1};
constexpr current_flags total_second_cycle{1, 2};

void compare_twelve_counts(benchmark::State& state) {
    const std::vector<std::int32_t> counts{12, 24, 36, 48, 60, 72, 84, 120, 180, 240, 360, 420};
    for (auto _ : state) {
        benchmark::DoNotOptimize(compare_plans(total_bonus, total_second_cycle, counts));
    }
}
BENCHMARK(compare_twelve_counts)->Unit(benchmark::kMicrosecond);

void largest_balance_within(benchmark::State& state, calc_inputs inputs, current_flags flags,
                            std::int32_t budget) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(largest_balance(inputs, flags, budget));
    }
}
BENCHMARK_CAPTURE(largest_balance_within, add_on, plain, add_on, 30000)
    ->Unit(benchmark::kMicrosecond);
// A budget at the bonus-month total: the dropped-bonus range is searched on its own.
BENCHMARK_CAPTURE(largest_balance_within, total_dropped_bonus, total_bonus, total_second_cycle,
                  90000)
    ->Unit(benchmark::kMicrosecond);

void fewest_payments_within(benchmark::State& state, calc_inputs inputs, current_flags flags,
                            std::int32_t budget) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(fewest_payments(inputs, flags, budget));
    }
}
BENCHMARK_CAPTURE(fewest_payments_within, add_on, plain, add_on, 30000)
    ->Unit(benchmark::kMicrosecond);
// Nothing meets the budget: all 420 counts are quoted.
BENCHMARK_CAPTURE(fewest_payments_within, none_of_420, total_bonus, total_second_cycle, 100)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace carloan
