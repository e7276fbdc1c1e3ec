// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"
#include "app/main_window.h"
#include "dialogs/user_prompt.h"
#include "studies/design_chart_data.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineEdit>
#include <QSpinBox>

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

constexpr int SweepPoints = 200;

// The benchmark's charts compute without a message; any question would be answered at once.
class NoQuestions : public UserPrompt {
  public:
    Button showMessage(QWidget*, const Message& message) override {
        return message.buttons.isEmpty() ? Button::Ok : message.buttons.first();
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    bool setUpPrinter(QWidget*, QPrinter&) override { return false; }
};

// The data of a 200-point sweep of the slab thickness over its typical range, at the edge where the
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

// What the user waits for after a change: the 200-point sweep computed, the four curves, the
// allowable line and its crossings drawn anew, and the window laid out and painted on the offscreen
// screen.
void BM_DesignChartUpdate(benchmark::State& state) {
    NoQuestions prompt;
    frmMain window(prompt);
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuDesignChart"))->trigger();
    auto* chart = window.findChild<frmDesignChart*>();
    chart->findChild<QSpinBox*>(QStringLiteral("spnPoints"))->setValue(SweepPoints);
    auto* allowable = chart->findChild<QLineEdit*>(QStringLiteral("txtAllowable"));
    allowable->setText(QStringLiteral("400"));
    emit allowable->editingFinished();
    QApplication::processEvents();
    const QChart* drawn = chart->findChild<QChartView*>(QStringLiteral("chartView"))->chart();
    for (auto _ : state) {
        chart->refresh();
        QApplication::processEvents();
        benchmark::DoNotOptimize(drawn->series().size());
    }
    if (drawn->series().size() < 5) {
        state.SkipWithError("the chart did not draw the curves and the allowable stress");
    }
}
BENCHMARK(BM_DesignChartUpdate)->Unit(benchmark::kMillisecond);

} // namespace
