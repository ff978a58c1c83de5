// Filling the schedule list with 420 lines, painted, as 展開 does after the expansion.

#include "schedule/expand.h"
#include "schedule/schedule_dialog.h"
#include "ui/session.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QListWidget>

namespace {

void fill_list_420_lines(benchmark::State& state) {
    carloan::session_state session;
    session.record.loan_amount = 29400000;
    session.record.payment_count = 420;
    session.record.first_payment = 70000;
    session.record.later_payment = 70000;
    const carloan::expansion out = carloan::expand(session.record, {"2024", "5", "", "", "", ""});

    carloan::schedule_dialog dialog(session);
    dialog.show();
    QListWidget* list = dialog.findChild<QListWidget*>();
    for (auto _ : state) {
        dialog.set_lines(out.lines);
        list->viewport()->repaint();
    }
    if (list->count() != 420) {
        state.SkipWithError("the list does not hold 420 lines");
    }
}
BENCHMARK(fill_list_420_lines)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
