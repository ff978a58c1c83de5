// The CSV of the longest schedule the table holds: 420 payments with a bonus every six months.

#include "bench/longest_quote.h"
#include "schedule/expand.h"
#include "schedule/schedule_csv.h"
#include "schedule/schedule_page.h"

#include <benchmark/benchmark.h>

namespace {

void csv_of_420_payments(benchmark::State& state) {
    const carloan::quote_record record = carloan::bench::longest_quote();
    const carloan::expansion out = carloan::expand(record, {"2024", "5", "2024", "7", "7", "12"});
    if (out.rows.size() != 421) {
        state.SkipWithError("the quote did not list 420 payments");
        return;
    }
    for (auto _ : state) {
        std::string csv = carloan::schedule_csv(carloan::payment_rows(out.rows));
        benchmark::DoNotOptimize(csv);
    }
}
BENCHMARK(csv_of_420_payments)->Unit(benchmark::kMicrosecond);

}  // namespace
