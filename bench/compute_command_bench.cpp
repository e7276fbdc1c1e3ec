// SPDX-License-Identifier: Apache-2.0
#include "app/main_window.h"
#include "no_questions.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// The compute command as the menu runs it: the case read from the dialogs' record, the driver, the
// factor composition and the report written into the report area, which is then laid out and
// painted on the offscreen screen. The dialogs are created by the first command, before the timing.
void computeCommand(benchmark::State& state, bool detailed) {
    NoQuestions prompt;
    frmMain window(prompt);
    window.show();
    QAction* compute = window.findChild<QAction*>(QStringLiteral("mnuComputeStresses"));
    if (detailed) {
        window.findChild<QAction*>(QStringLiteral("DetailedReportsOption"))->trigger();
    }
    compute->trigger();
    const QPlainTextEdit* report = window.findChild<QPlainTextEdit*>(QStringLiteral("txtReports"));
    for (auto _ : state) {
        compute->trigger();
        QApplication::processEvents();
        benchmark::DoNotOptimize(report->document()->blockCount());
    }
    if (report->toPlainText().isEmpty()) {
        state.SkipWithError("the compute command wrote no report");
    }
}

void BM_ComputeCommand(benchmark::State& state) {
    computeCommand(state, false);
}
BENCHMARK(BM_ComputeCommand)->Unit(benchmark::kMillisecond);

void BM_ComputeCommandDetailedReport(benchmark::State& state) {
    computeCommand(state, true);
}
BENCHMARK(BM_ComputeCommandDetailedReport)->Unit(benchmark::kMillisecond);

} // namespace
