// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"
#include "app/fatigue_window.h"
#include "app/main_window.h"
#include "dialogs/about_dialog.h"
#include "dialogs/axle_dialog.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "offscreen_application.h"
#include "scripted_prompt.h"
#include "widget_access.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

using namespace korvanex;

namespace {

bool save(QWidget& window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

} // namespace

// Renders the main window with a report and the slab plan, each dialog and the design chart into PNG files,
// for the documentation:
//   render_screenshots FOLDER
int main(int argc, char* argv[]) {
    OffscreenApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));

    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.resize(1180, 720);
    window.show();
    const auto trigger = [&window](const char* name) {
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    trigger("mnutStressPavementData");
    window.findChild<frmPvmtStrs*>()->findChild<QRadioButton*>(QStringLiteral("two_bond"))->click();
    window.findChild<frmPvmtStrs*>()->findChild<QRadioButton*>(QStringLiteral("OptTiedYes"))->click();
    trigger("mnuStressAxleData");
    window.findChild<frmWheel*>()->findChild<QRadioButton*>(QStringLiteral("two_two"))->click();
    trigger("mnuStressTemperatureData");
    trigger("mnuHelpAbout");
    trigger("mnuComputeStresses");

    bool saved = save(window, folder, QStringLiteral("main-window.png"));
    saved = save(*window.findChild<frmPvmtStrs*>(), folder, QStringLiteral("pavement-data.png")) && saved;
    saved = save(*window.findChild<frmWheel*>(), folder, QStringLiteral("axle-data.png")) && saved;
    saved =
        save(*window.findChild<frmEnvironPct*>(), folder, QStringLiteral("environmental-data.png")) && saved;
    saved = save(*window.findChild<frmAbout*>(), folder, QStringLiteral("about.png")) && saved;

    // The edge case with one layer and a temperature differential over the slab thickness, against an
    // allowable stress that the curves cross.
    window.findChild<frmPvmtStrs*>()->findChild<QRadioButton*>(QStringLiteral("one"))->click();
    auto* environment = window.findChild<frmEnvironPct*>();
    environment->findChild<QLineEdit*>(QStringLiteral("F_V"))->setText(QStringLiteral("10"));
    environment->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    trigger("mnuDesignChart");
    frmDesignChart& chart = *window.findChild<frmDesignChart*>();
    chart.resize(1000, 640);
    waitForResults(chart);
    chart.findChild<QLineEdit*>(QStringLiteral("txtAllowable"))->setText(QStringLiteral("350"));
    saved = save(chart, folder, QStringLiteral("design-chart.png")) && saved;

    // The fatigue window with its example spectrum.
    trigger("mnuFatigue");
    auto& fatigue = *window.findChild<frmFatigue*>();
    fatigue.resize(1200, 780);
    waitForResults(fatigue);
    saved = save(fatigue, folder, QStringLiteral("fatigue.png")) && saved;

    // The fatigue window of a metric run, with the metric example spectrum.
    frmMain metric(prompt);
    metric.findChild<QAction*>(QStringLiteral("MetricOption"))->trigger();
    metric.findChild<QAction*>(QStringLiteral("mnuFatigue"))->trigger();
    auto& metricFatigue = *metric.findChild<frmFatigue*>();
    metricFatigue.resize(1200, 780);
    waitForResults(metricFatigue);
    saved = save(metricFatigue, folder, QStringLiteral("fatigue-metric.png")) && saved;
    return saved ? 0 : 1;
}
