// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"
#include "app/fatigue_window.h"
#include "widget_test.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QSettings>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

const QByteArray metricTwoLayerFile =
    readFile(QStringLiteral(KORVANEX_TEST_DATA "/cases/metric-two-layer-corner.DEF"));

// Every curve of a window's chart: its name and points.
QString curves(const QWidget& window) {
    QString seen;
    for (QAbstractSeries* series : child<QChartView>(window, "chartView").chart()->series()) {
        seen += series->name() + QLatin1Char(':');
        for (const QPointF& at : qobject_cast<QXYSeries*>(series)->points()) {
            seen += QStringLiteral(" (%1, %2)").arg(at.x()).arg(at.y());
        }
        seen += QLatin1Char('\n');
    }
    return seen;
}

// A tool window follows every edit while shown, as the plan does: typed while it is open, the case shows
// as it does in a window opened on it. Closed, it computes nothing until it is opened again, on the case
// as it stands then.
template <class Window> void expectToFollowTheCase(const char* item, const char* name) {
    ScriptedPrompt prompt;
    const auto openedOn = [&prompt, item, name](const char* modulus) {
        frmMain window(prompt);
        type(pavement(window), "k_V", QLatin1String(modulus));
        return curves(openTool<Window>(window, item, name));
    };
    const QString fresh = openedOn("200");
    frmMain window(prompt);
    Window& tool = openTool<Window>(window, item, name);
    QVERIFY(curves(tool) != fresh);
    type(pavement(window), "k_V", QStringLiteral("200"));
    waitForResults(tool);
    QCOMPARE(curves(tool), fresh);
    click(tool, "cmdClose");
    type(pavement(window), "k_V", QStringLiteral("130"));
    QVERIFY(!tool.isComputing());
    trigger(window, item);
    waitForResults(tool);
    QVERIFY(curves(tool) != fresh);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menusAfterEachFirstCommand();
    void reportAreaShowsTheReportInAnEvenlyAdvancingFont();
    void readingAFileSetsTheDialogsAndRefusedFilesChangeNothing();
    void aFileWithWordsNotItsOwnLoadsAndABoxSaysWhatWasChosen();
    void savingAReportComputesItFirst();
    void closingAsksToSaveAndNeverLosesTheCase();
    void toolWindowsFollowTheCase();
};

// The unit items are available until the first of the input dialogs is created, by whichever command;
// the About box is not one of them. The reference holds the menus after each first command.
void MainWindowTest::menusAfterEachFirstCommand() {
    QTemporaryDir folder;
    const QString caseFile = writeFile(folder.filePath(QStringLiteral("read.DEF")), metricTwoLayerFile);
    const std::pair<const char*, QStringList> routes[] = {
        // clang-format off
        {"nothing", {}}, {"metric", {"MetricOption"}},
        {"metric and english", {"MetricOption", "EnglishOption"}},
        {"pavement data", {"mnutStressPavementData"}},
        {"metric, then pavement data", {"MetricOption", "mnutStressPavementData"}},
        {"axle data", {"mnuStressAxleData"}},
        {"metric, then axle data", {"MetricOption", "mnuStressAxleData"}},
        {"temperature data", {"mnuStressTemperatureData"}},
        {"metric, then temperature data", {"MetricOption", "mnuStressTemperatureData"}},
        {"compute", {"mnuComputeStresses"}}, {"detailed reports", {"DetailedReportsOption"}},
        {"save input data", {"FileSave"}}, {"save report", {"mnuSaveReport"}}, {"read data", {"FileLoad"}},
        {"about", {"mnuHelpAbout"}}, {"plate model", {"mnuPlateModel"}},
        // clang-format on
    };
    QString seen;
    for (const auto& [name, commands] : routes) {
        QSettings().clear();
        ScriptedPrompt prompt;
        prompt.saveNames = {folder.filePath(QStringLiteral("saved"))};
        prompt.openNames = {caseFile};
        frmMain window(prompt);
        for (const QString& command : commands) {
            trigger(window, qPrintable(command));
        }
        seen += QStringLiteral("== %1\n").arg(QLatin1String(name)) + describe(*window.menuBar());
        for (const QWidget* dialog : window.findChildren<QDialog*>()) {
            seen +=
                QStringLiteral("dialog %1%2\n")
                    .arg(dialog->objectName(), dialog->isVisible() ? QStringLiteral(" shown") : QString());
        }
        for (const ScriptedPrompt::Shown& shown : prompt.messages) {
            seen += QStringLiteral("message %1: %2\n")
                        .arg(shown.title, QString(shown.text).replace(folder.path(), "FOLDER"));
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
    QVERIFY(matchesGolden("windows/main-window-menus.txt", seen));
}

// The report appears as the report file has it, without its CR; every character that it holds advances
// by the same width in the report area's font, so that its columns line up whatever fonts the machine has.
void MainWindowTest::reportAreaShowsTheReportInAnEvenlyAdvancingFont() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");
    QByteArray expected = readFile(QStringLiteral(KORVANEX_TEST_DATA "/reports/default-english.PRN"));
    expected.replace("\r\n", "\n");
    QCOMPARE(reportText(window), QString::fromUtf8(expected));

    trigger(window, "DetailedReportsOption");
    click(pavement(window), "two_bond");
    trigger(window, "mnuComputeStresses");
    const QString report =
        reportText(window) + QString::fromUtf8(readFile(QStringLiteral(
                                 KORVANEX_TEST_DATA "/reports/unbonded-metric-interior-detailed.PRN")));
    QVERIFY(report.contains(QStringLiteral("Adjustment Factors")));
    const QPlainTextEdit& area = child<QPlainTextEdit>(window, "txtReports");
    const QFontMetrics metrics(area.font());
    const int width = metrics.horizontalAdvance(QStringLiteral(" "));
    for (const QChar character : report) {
        if (character != QLatin1Char('\n') && character != QLatin1Char('\r')) {
            QVERIFY2(metrics.horizontalAdvance(QString(character)) == width,
                     qPrintable(QString(character) + QStringLiteral(" in ") + area.font().family()));
        }
    }
    QVERIFY(area.isReadOnly());
    QCOMPARE(area.lineWrapMode(), QPlainTextEdit::NoWrap);
}

void MainWindowTest::readingAFileSetsTheDialogsAndRefusedFilesChangeNothing() {
    QTemporaryDir folder;
    QByteArray incorrect = metricTwoLayerFile;
    incorrect.replace("***Stress Analysis***", "***Stress Analysis**");
    ScriptedPrompt prompt;
    frmMain window(prompt);
    prompt.openNames = {writeFile(folder.filePath(QStringLiteral("incorrect.DEF")), incorrect),
                        writeFile(folder.filePath(QStringLiteral("metric.def")), metricTwoLayerFile)};
    trigger(window, "FileLoad");
    QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Incorrect Input File!")});
    QVERIFY(window.findChildren<QDialog*>().isEmpty());

    trigger(window, "FileLoad");
    QCOMPARE(prompt.openFilters, (QStringList{"(*.DEF)", "(*.DEF)"}));
    QString seen;
    for (const QWidget* dialog : window.findChildren<QDialog*>()) {
        seen += describe(*dialog) + QLatin1Char('\n');
    }
    QVERIFY(matchesGolden("windows/dialogs-after-reading-a-metric-file.txt", seen));
}

// The desktop keeps the case file's fallbacks, so that files that relied on them still open; a second
// box after "Loaded!" names each line, its word and what was chosen.
void MainWindowTest::aFileWithWordsNotItsOwnLoadsAndABoxSaysWhatWasChosen() {
    QTemporaryDir folder;
    QByteArray file = metricTwoLayerFile;
    file.replace("****SI****", "****SI")
        .replace("Corner Stress", "Corner Stres")
        .replace("Dual-Tandem", "Dual-Tandm")
        .replace("TwoLayer Bond", "Two Layer");
    const QString path = writeFile(folder.filePath(QStringLiteral("odd.DEF")), file);
    ScriptedPrompt prompt;
    frmMain window(prompt);
    prompt.openNames = {path};
    trigger(window, "FileLoad");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[0].text, QFileInfo(path).absoluteFilePath() + QStringLiteral("  Loaded!"));
    QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
    QCOMPARE(prompt.messages[1].icon, UserPrompt::Icon::Warning);
    QCOMPARE(prompt.messages[1].text,
             QStringLiteral("Some words of the file are not the program's own:\n"
                            "line 1: unknown unit marker \"****SI\": the units stay English.\n"
                            "line 5: unknown location \"Corner Stres Analysis\": Interior was chosen.\n"
                            "line 7: unknown gear \"Dual-Tandm\": Dual-Tridem was chosen.\n"
                            "line 14: unknown layer \"Two Layer\": the layer stays One Layer."));
    trigger(window, "mnuComputeStresses");
    QVERIFY(reportText(window).contains(QStringLiteral("Gear Configuration (Wheel-Axle) : Dual-Tridem")));
}

void MainWindowTest::savingAReportComputesItFirst() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");
    const QString before = reportText(window);

    // An edit after the last computation: the saved report is computed from it.
    trigger(window, "mnuStressTemperatureData");
    type(child<frmEnvironPct>(window, "frmEnvironPct"), "F_V", QStringLiteral("10"));
    const QString path = folder.filePath(QStringLiteral("report.PRN"));
    prompt.saveNames = {path};
    trigger(window, "mnuSaveReport");

    QCOMPARE(prompt.saveFilters, QStringList{"(*.PRN)"});
    QVERIFY(prompt.messages.isEmpty());
    const QString after = reportText(window);
    QVERIFY(after != before);
    QVERIFY(after.contains(QStringLiteral("Combined Loading & Curling Stress (psi) = ")));
    QByteArray expected = after.toUtf8();
    expected.replace("\n", "\r\n");
    QCOMPARE(readFile(path), expected);

    // A computation that faults saves nothing, asks for no file name and leaves the report area.
    prompt.clearRecord();
    type(pavement(window), "k_V", QStringLiteral("0"));
    const QString faultPath = folder.filePath(QStringLiteral("fault.PRN"));
    prompt.saveNames = {faultPath};
    trigger(window, "mnuSaveReport");
    QVERIFY(prompt.saveFilters.isEmpty());
    QCOMPARE(prompt.texts(),
             QStringList{QStringLiteral(
                 "The computation stopped on a floating-point fault in WestergaardEdge. Please check "
                 "k, h1, E1, μ1, the tire pressure and the two-layer values.")});
    QVERIFY(!QFileInfo::exists(faultPath));
    QCOMPARE(reportText(window), after);

    // A report that cannot be written is reported; a cancelled dialog is silent.
    type(pavement(window), "k_V", QStringLiteral("130"));
    prompt.clearRecord();
    prompt.saveNames = {folder.filePath(QStringLiteral("missing/report.PRN"))};
    trigger(window, "mnuSaveReport");
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("The report was not saved: ")));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::closingAsksToSaveAndNeverLosesTheCase() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.show();
    trigger(window, "mnutStressPavementData");

    prompt.answers = {Button::Cancel};
    QVERIFY(!window.close());
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("Save Dialog"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("Save Input Data before closing?"));
    QCOMPARE(prompt.messages[0].buttons, (QList<Button>{Button::Yes, Button::No, Button::Cancel}));
    QCOMPARE(prompt.messages[0].icon, UserPrompt::Icon::Question);
    QVERIFY(prompt.saveFilters.isEmpty());

    // Yes and a saved case: the program ends, every window with it.
    prompt.answers = {Button::Yes};
    const QString path = folder.filePath(QStringLiteral("closing.DEF"));
    prompt.saveNames = {path};
    QVERIFY(window.close());
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!window.isVisible());
    QVERIFY(!child<frmPvmtStrs>(window, "frmPvmtStrs").isVisible());
}

void MainWindowTest::toolWindowsFollowTheCase() {
    expectToFollowTheCase<frmDesignChart>("mnuDesignChart", "frmDesignChart");
    expectToFollowTheCase<frmFatigue>("mnuFatigue", "frmFatigue");
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
