// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"
#include "app/fatigue_window.h"
#include "app/main_window.h"
#include "app/plate_window.h"
#include "dialogs/about_dialog.h"
#include "dialogs/axle_dialog.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "offscreen_application.h"
#include "scripted_prompt.h"
#include "widget_access.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextStream>

#include <tuple>

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

// The main window at the size of the screenshots.
void showMainWindow(frmMain& window) {
    window.resize(1180, 720);
    window.show();
}

void choose(const frmMain& window, const char* item) {
    window.findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

// The main window of a run in metric units: an edge Dual-Tandem axle group with a tied shoulder and a
// temperature differential.
bool saveMetricMainWindow(const QDir& folder) {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    showMainWindow(window);
    const auto trigger = [&window](const char* item) { choose(window, item); };
    trigger("MetricOption");
    trigger("mnutStressPavementData");
    window.findChild<frmPvmtStrs*>()->findChild<QRadioButton*>(QStringLiteral("OptTiedYes"))->click();
    trigger("mnuStressAxleData");
    window.findChild<frmWheel*>()->findChild<QRadioButton*>(QStringLiteral("two_two"))->click();
    window.findChild<frmWheel*>()
        ->findChild<QLineEdit*>(QStringLiteral("P_V"))
        ->setText(QStringLiteral("142"));
    trigger("mnuStressTemperatureData");
    window.findChild<frmEnvironPct*>()
        ->findChild<QLineEdit*>(QStringLiteral("F_V"))
        ->setText(QStringLiteral("8"));
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        dialog->hide();
    }
    trigger("mnuComputeStresses");
    return save(window, folder, QStringLiteral("main-window-metric.png"));
}

// The design window on the truck-traffic example spectrum, its inputs scattered as the README's
// reliability example scatters them, simulated beside the deterministic design at 90 % reliability.
bool saveSimulatedDesign(const QDir& folder) {
    ScriptedPrompt prompt;
    prompt.openNames = {folder.filePath(QStringLiteral("examples/truck-traffic.csv"))};
    frmMain window(prompt);
    choose(window, "mnuFatigue");
    auto& design = *window.findChild<frmFatigue*>();
    design.resize(1440, 820);
    design.findChild<QPushButton*>(QStringLiteral("cmdImport"))->click();
    for (const auto& [name, value] : {std::pair{"txtADTT", "1000"}, {"txtGrowth", "3"}, {"txtYears", "25"}}) {
        design.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(value));
    }
    design.findChild<QGroupBox*>(QStringLiteral("grpReliability"))->setChecked(true);
    auto& scatter = *design.findChild<QTableWidget*>(QStringLiteral("tblScatter"));
    // The input's row, its coefficient of variation and its distribution (0 lognormal, 1 normal).
    const std::tuple<int, const char*, int> covs[] = {
        {0, "0.04", 1}, {1, "0.1", 0}, {2, "0.25", 0}, {3, "0.1", 1}, {5, "0.3", 0}};
    for (const auto& [row, cov, distribution] : covs) {
        scatter.item(row, 0)->setText(QLatin1String(cov));
        qobject_cast<QComboBox*>(scatter.cellWidget(row, 1))->setCurrentIndex(distribution);
    }
    waitForResults(design);
    return save(design, folder, QStringLiteral("design-reliability.png"));
}

} // namespace

// Renders the main window with a report and the slab plan (in English and in metric units), each dialog,
// the About box, the design chart, the design window (in English and in metric units, and simulating
// a design) and the plate model into PNG files, for the documentation:
//   render_screenshots FOLDER
int main(int argc, char* argv[]) {
    OffscreenApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));

    ScriptedPrompt prompt;
    frmMain window(prompt);
    showMainWindow(window);
    const auto trigger = [&window](const char* item) { choose(window, item); };
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
    saved = saveMetricMainWindow(folder) && saved;

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
    fatigue.resize(1440, 820);
    waitForResults(fatigue);
    saved = save(fatigue, folder, QStringLiteral("fatigue.png")) && saved;

    // The plate model beside the fitted factors on the same case.
    trigger("mnuPlateModel");
    auto& plate = *window.findChild<frmPlateModel*>();
    plate.resize(1200, 640);
    waitForResults(plate);
    saved = save(plate, folder, QStringLiteral("plate-model.png")) && saved;

    // The fatigue window of a metric run, with the metric example spectrum.
    frmMain metric(prompt);
    choose(metric, "MetricOption");
    choose(metric, "mnuFatigue");
    auto& metricFatigue = *metric.findChild<frmFatigue*>();
    metricFatigue.resize(1440, 820);
    waitForResults(metricFatigue);
    saved = save(metricFatigue, folder, QStringLiteral("fatigue-metric.png")) && saved;
    saved = saveSimulatedDesign(folder) && saved;
    return saved ? 0 : 1;
}
