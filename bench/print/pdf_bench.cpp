// Writing the PDFs a clerk saves: the estimate, and the schedule of 420 payments (10 pages), each
// a whole file on disk. The first write of a run also loads the face; it is timed on its own.

#include "bench/longest_quote.h"
#include "print/print_estimate.h"
#include "schedule/expand.h"
#include "schedule/schedule_printout.h"
#include "text/cp932.h"
#include "ui/session.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr carloan::local_time print_day{2024, 4, 26, 10, 0, 0};

carloan::session_state estimate_session() {
    carloan::session_state session;
    carloan::quote_record& r = session.record;
    carloan::write_slot(r.rate_text, "9.9");
    r.net_balance = 1000000;
    r.loan_fee = 159900;
    r.loan_amount = 1159900;
    r.payment_count = 36;
    r.first_payment = 32900;
    r.later_payment = 32200;
    r.later_count = 35;
    r.show_rate = 1;
    carloan::write_slot(r.customer_name, carloan::utf8_to_cp932("山田太郎").value());
    carloan::write_slot(session.settings.branch_name, carloan::utf8_to_cp932("中央支店").value());
    return session;
}

void estimate_pdf(benchmark::State& state) {
    const carloan::session_state session = estimate_session();
    QTemporaryDir folder;
    const QString path = folder.filePath("estimate.pdf");
    for (auto _ : state) {
        if (!carloan::write_estimate_pdf(path, session, print_day)) {
            state.SkipWithError("the PDF was not written");
            break;
        }
    }
}
BENCHMARK(estimate_pdf)->Unit(benchmark::kMillisecond);

void schedule_pdf_420_payments(benchmark::State& state) {
    const carloan::quote_record record = carloan::bench::longest_quote();
    const carloan::expansion out = carloan::expand(record, {"2024", "5", "2024", "7", "7", "12"});
    QTemporaryDir folder;
    const QString path = folder.filePath("schedule.pdf");
    for (auto _ : state) {
        if (out.rows.size() != 421 ||
            !carloan::write_schedule_pdf(path, record, carloan::payment_rows(out.rows),
                                         print_day)) {
            state.SkipWithError("the PDF was not written");
            break;
        }
    }
}
BENCHMARK(schedule_pdf_420_payments)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    {
        QTemporaryDir folder;
        QElapsedTimer timer;
        timer.start();
        carloan::write_estimate_pdf(folder.filePath("first.pdf"), estimate_session(), print_day);
        std::printf("first estimate PDF of the run (face loaded): %.1f ms\n",
                    static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
