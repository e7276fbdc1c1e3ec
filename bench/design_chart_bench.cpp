// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"
#include "app/main_window.h"
#include "no_questions.h"
#include "studies/design_chart_data.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

constexpr int SweepPoints = 1000;
constexpr int ResultsTimeoutMs = 600000;

// The data of a 1000-point sweep of the slab thickness over its typical range, at the edge where the
// edge model runs too: four stresses per point.
void BM_DesignChartData(benchmark::State& state) {
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    SweepRange range;
    range.field = Field::h1;
    range.from = 4;
    range.to = 20;
    range.points = SweepPoints;
    for (auto _ : state) {
        const DesignChartData data = computeDesignChart(record, range);
        benchmark::DoNotOptimize(data.points.data());
    }
}
BENCHMARK(BM_DesignChartData)->Unit(benchmark::kMillisecond);

// The design chart of a 1000-point sweep with an allowable stress, shown and drawn.
frmDesignChart& openChart(frmMain& window) {
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuDesignChart"))->trigger();
    auto& chart = *window.findChild<frmDesignChart*>();
    QSignalSpy ready(&chart, &frmDesignChart::resultsReady);
    chart.findChild<QSpinBox*>(QStringLiteral("spnPoints"))->setValue(SweepPoints);
    ready.wait(ResultsTimeoutMs);
    chart.findChild<QLineEdit*>(QStringLiteral("txtAllowable"))->setText(QStringLiteral("400"));
    QApplication::processEvents();
    return chart;
}

// What the user waits for after an edit of the case: the time to the chart drawn anew (the 1000-point
// sweep computed off the user-interface thread, the four curves, the allowable line and its crossings
// drawn, the window laid out and painted on the offscreen screen), and responsive_ms, the edit's own
// handling, after which the window takes the next event.
void BM_DesignChartUpdate(benchmark::State& state) {
    NoQuestions prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    QSignalSpy ready(&chart, &frmDesignChart::resultsReady);
    const QChart* drawn = chart.findChild<QChartView*>(QStringLiteral("chartView"))->chart();
    QElapsedTimer clock;
    double responsive = 0;
    for (auto _ : state) {
        ready.clear();
        clock.start();
        chart.refresh();
        responsive += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!ready.wait(ResultsTimeoutMs)) {
            state.SkipWithError("no chart");
            break;
        }
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    if (drawn->series().size() < 5) {
        state.SkipWithError("the chart did not draw the curves and the allowable stress");
    }
    state.counters["responsive_ms"] =
        benchmark::Counter(responsive / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DesignChartUpdate)->UseManualTime()->Unit(benchmark::kMillisecond);

// A key typed into the allowable stress: the line, the crossings and their labels drawn anew over the
// 1000-point curves on the user-interface thread, and the window painted. The box holds "40" and the
// key is a 0 or a 5, in turn: 400 and 405 psi.
void BM_DesignChartAllowableKeystroke(benchmark::State& state) {
    NoQuestions prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    auto& allowable = *chart.findChild<QLineEdit*>(QStringLiteral("txtAllowable"));
    bool five = false;
    for (auto _ : state) {
        state.PauseTiming();
        allowable.setText(QStringLiteral("40"));
        QApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(&allowable, five ? Qt::Key_5 : Qt::Key_0);
        QApplication::processEvents();
        five = !five;
    }
}
BENCHMARK(BM_DesignChartAllowableKeystroke)->Unit(benchmark::kMillisecond);

} // namespace
