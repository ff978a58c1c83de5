// The expansion and listing of the longest quote the table holds: 420 payments with a bonus
// every six months.

#include "bench/longest_quote.h"
#include "schedule/expand.h"

#include <benchmark/benchmark.h>

namespace {

void expand_420_payments(benchmark::State& state) {
    const carloan::quote_record record = carloan::bench::longest_quote();
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
