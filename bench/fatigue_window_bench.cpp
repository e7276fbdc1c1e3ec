// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"
#include "app/main_window.h"
#include "no_questions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>

using namespace korvanex;

namespace {

constexpr int SpectrumGroups = 500;
// The user-interface thread is looked at this often while the results are computed.
constexpr int HeartbeatMs = 1;
constexpr int ResultsTimeoutMs = 600000;

// A spectrum of 500 load groups on the default edge case: every gear, loads from 8,000 to 57,500 lbs,
// temperature differentials of 0 to 15 oF, fewer passes of the heavier loads.
// The processor time the calling thread has taken, in nanoseconds.
qint64 threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

QString writeSpectrum(const QTemporaryDir& folder) {
    static const char* const gears[] = {"single-single", "single-tandem", "single-tridem",
                                        "dual-single",   "dual-tandem",   "dual-tridem"};
    const QString path = folder.filePath(QStringLiteral("spectrum.csv"));
    std::ofstream csv(path.toStdString());
    csv << "gear,P,F,repetitions\n";
    for (int row = 0; row < SpectrumGroups; ++row) {
        csv << gears[row % 6] << ',' << 8000 + row % 100 * 500 << ',' << row % 4 * 5 << ','
            << 2000000 - row % 100 * 19000 << '\n';
    }
    return path;
}

// A key typed into the modulus of rupture of the fatigue window holding the 500-group spectrum,
// from the key to every result shown (the time measured), with:
// - responsive_ms: the key's own handling, after which the window takes the next event;
// - longest_stall_ms: the longest time the user-interface thread was busy, over every key, from the
//   key to the last result, as a timer firing every millisecond sees it: on a loaded machine this
//   includes the time the thread waited for a core;
// - longest_stall_cpu_ms: the most processor time the user-interface thread took between two beats of
//   that timer, its own work alone;
// - table_ms: the key to the damage table of the new request appearing.
// The box holds "65" and the key is a 0 or a 2, in turn: MR 650 and 652 psi.
void BM_FatigueKeystroke(benchmark::State& state) {
    QTemporaryDir folder;
    NoQuestions prompt;
    prompt.openName = writeSpectrum(folder);
    frmMain window(prompt);
    window.show();
    window.findChild<QAction*>(QStringLiteral("mnuFatigue"))->trigger();
    auto& fatigue = *window.findChild<frmFatigue*>();
    QSignalSpy ready(&fatigue, &frmFatigue::resultsReady);
    fatigue.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    ready.wait(ResultsTimeoutMs);
    auto& modulus = *fatigue.findChild<QLineEdit*>(QStringLiteral("txtModulus"));
    const QAbstractItemModel& results =
        *fatigue.findChild<QTableView*>(QStringLiteral("tblResults"))->model();

    QElapsedTimer clock;
    qint64 lastBeat = 0;
    qint64 longestStall = 0;
    qint64 lastBeatCpu = 0;
    qint64 longestStallCpu = 0;
    QTimer heartbeat;
    heartbeat.setInterval(HeartbeatMs);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 cpu = threadCpuNs();
        longestStall = std::max(longestStall, now - lastBeat);
        longestStallCpu = std::max(longestStallCpu, cpu - lastBeatCpu);
        lastBeat = now;
        lastBeatCpu = cpu;
    });
    qint64 tableShown = -1;
    QObject::connect(&results, &QAbstractItemModel::modelReset, [&] {
        if (tableShown < 0) {
            tableShown = clock.nsecsElapsed();
        }
    });
    double responsive = 0;
    double tables = 0;
    qint64 worstStall = 0;
    qint64 worstStallCpu = 0;
    bool two = false;
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(modulus);
            modulus.setText(QStringLiteral("65"));
        }
        ready.clear();
        tableShown = -1;
        longestStall = 0;
        longestStallCpu = 0;
        const qint64 startCpu = threadCpuNs();
        clock.start();
        QTest::keyClick(&modulus, two ? Qt::Key_2 : Qt::Key_0);
        const qint64 handled = clock.nsecsElapsed();
        lastBeat = handled;
        lastBeatCpu = threadCpuNs();
        longestStallCpu = lastBeatCpu - startCpu;
        heartbeat.start();
        if (!ready.wait(ResultsTimeoutMs)) {
            state.SkipWithError("no results");
            break;
        }
        const qint64 done = clock.nsecsElapsed();
        heartbeat.stop();
        two = !two;
        state.SetIterationTime(static_cast<double>(done) / 1e9);
        responsive += static_cast<double>(handled) / 1e6;
        tables += static_cast<double>(tableShown) / 1e6;
        worstStall = std::max({worstStall, longestStall, handled});
        worstStallCpu = std::max(worstStallCpu, longestStallCpu);
    }
    if (results.rowCount() != SpectrumGroups) {
        state.SkipWithError("the results do not show every group");
    }
    const auto average = [&state](double total) {
        return benchmark::Counter(total / static_cast<double>(state.iterations()));
    };
    state.counters["responsive_ms"] = average(responsive);
    state.counters["longest_stall_ms"] = benchmark::Counter(static_cast<double>(worstStall) / 1e6);
    state.counters["longest_stall_cpu_ms"] = benchmark::Counter(static_cast<double>(worstStallCpu) / 1e6);
    state.counters["table_ms"] = average(tables);
}
BENCHMARK(BM_FatigueKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
