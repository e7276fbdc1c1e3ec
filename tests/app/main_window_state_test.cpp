// SPDX-License-Identifier: Apache-2.0
// What the main window shows is current: the report's state, the case file in the title, Recent Files,
// the files opened at start and by drop, and the layout kept from one run to the next.

#include "app/dialog_placement.h"
#include "app/start_arguments.h"
#include "widget_test.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPrinter>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

const QString ProgramWindowTitle = QStringLiteral("KORVANEX Stress Analysis Program");

// The report's state as the window shows it: the band over the report, and the status bar.
QString reportState(const frmMain& window) {
    return (shown(window, "lblReportOutOfDate") ? QStringLiteral("marked, ") : QString()) +
           child<QLabel>(window, "lblStatusReport").text();
}

// A copy of a case file of the test data in the folder.
QString caseFile(const QTemporaryDir& folder, const char* data, const char* name) {
    const QString path = folder.filePath(QLatin1String(name));
    QFile::copy(QStringLiteral(KORVANEX_TEST_DATA "/cases/") + QLatin1String(data), path);
    return path;
}

// The texts of the messages that a way of opening a file shows, in a window of its own, and the title.
QStringList messagesOfOpening(const std::function<void(frmMain&, ScriptedPrompt&)>& open) {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    open(window, prompt);
    QStringList texts;
    for (const ScriptedPrompt::Shown& shown : prompt.messages) {
        texts << shown.title + QStringLiteral(": ") + shown.text;
    }
    return texts << window.windowTitle();
}

// Drags the files over the window and drops them; whether the window took the drag.
bool drop(frmMain& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls << QUrl::fromLocalFile(path);
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &dropped);
    return dropped.isAccepted();
}

QStringList recentFiles(const frmMain& window) {
    QStringList names;
    for (const QAction* item : child<QMenu>(window, "mnuRecentFiles").actions()) {
        names << item->text();
    }
    return names;
}

void saveCase(frmMain& window, ScriptedPrompt& prompt, const QString& path) {
    prompt.saveNames = {path};
    trigger(window, "FileSave");
}

} // namespace

class MainWindowStateTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QSettings().clear(); }
    void reportIsMarkedOutOfDateUntilTheNextCompute();
    void detailedReportsRecomputesTheReportOnScreen();
    void titleNamesTheCaseFileAndMarksItModified();
    void recentFilesListTheLastEightNewestFirst();
    void filesOpenFromTheCommandLineAndByDropAsFileReadOpensThem();
    void designFilesOpenLikeCaseFilesAndRefusalsChangeNothing();
    void reportAndPlanFillTheWindowWhoseLayoutIsKept();
    void inputDialogsOpenClearOfThePlan();
    void aMetricRunIsMetricThroughout();
};

// The report text stays as computed; the window says when the case no longer is the one computed, and
// says so no more once it is again, or once it is computed anew. A computation that faults leaves the
// old report standing, out of date.
void MainWindowStateTest::reportIsMarkedOutOfDateUntilTheNextCompute() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    QCOMPARE(reportState(window), QStringLiteral("No report yet"));
    trigger(window, "mnuComputeStresses");
    const QString computed = reportText(window);
    QCOMPARE(reportState(window), QStringLiteral("Report up to date"));

    QWidget& dialog = pavement(window);
    const QString outOfDate = QStringLiteral("marked, Report out of date: Compute Stresses");
    for (const auto& [field, text, state] : {std::tuple{"h1_V", "10", outOfDate},
                                             {"h1_V", "9.5", QStringLiteral("Report up to date")},
                                             {"k_V", "0", outOfDate}}) {
        type(dialog, field, QLatin1String(text));
        QCOMPARE(reportState(window), state);
        QCOMPARE(reportText(window), computed);
    }
    click(dialog, "OptTiedYes");
    trigger(window, "mnuComputeStresses");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(reportState(window), outOfDate);
    QCOMPARE(reportText(window), computed);

    type(dialog, "k_V", QStringLiteral("130"));
    trigger(window, "mnuComputeStresses");
    QCOMPARE(reportState(window), QStringLiteral("Report up to date"));
    QVERIFY(reportText(window).contains(QStringLiteral("Tied Concrete Shoulder : Yes")));
}

// Before the first Compute the option only changes its mark; with a report on screen, each change
// computes the case as it stands, with or without the adjustment factors.
void MainWindowStateTest::detailedReportsRecomputesTheReportOnScreen() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "DetailedReportsOption");
    trigger(window, "DetailedReportsOption");
    QCOMPARE(reportText(window), QString());
    QCOMPARE(reportState(window), QStringLiteral("No report yet"));

    trigger(window, "mnuComputeStresses");
    type(pavement(window), "h1_V", QStringLiteral("10"));
    trigger(window, "DetailedReportsOption");
    const QString detailed = reportText(window);
    QVERIFY(detailed.contains(QStringLiteral("Adjustment Factors")));
    QVERIFY(detailed.contains(QStringLiteral("Thickness, h1 (in) = 10.00")));
    QCOMPARE(reportState(window), QStringLiteral("Report up to date"));

    trigger(window, "DetailedReportsOption");
    const QString plain = reportText(window);
    QVERIFY(detailed.startsWith(plain));
    QVERIFY(!plain.contains(QStringLiteral("Adjustment Factors")));
    trigger(window, "mnuComputeStresses");
    QCOMPARE(reportText(window), plain);
}

// Without a case file the title is the program's alone, edits or not. A file read or saved names the
// title, and the modified mark shows while the case differs from the file.
void MainWindowStateTest::titleNamesTheCaseFileAndMarksItModified() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    type(pavement(window), "h1_V", QStringLiteral("11"));
    QCOMPARE(window.windowTitle(), ProgramWindowTitle);
    QVERIFY(!window.isWindowModified());
    QCOMPARE(child<QLabel>(window, "lblStatusCaseFile").text(), QStringLiteral("No case file"));

    const QString read = caseFile(folder, "metric-two-layer-corner.DEF", "metric.def");
    prompt.openNames = {read};
    trigger(window, "FileLoad");
    QCOMPARE(window.windowTitle(), QStringLiteral("metric.def[*] - ") + ProgramWindowTitle);
    QVERIFY(!window.isWindowModified());
    QCOMPARE(child<QLabel>(window, "lblStatusCaseFile").text(), QDir::toNativeSeparators(read));
    QCOMPARE(child<QLabel>(window, "lblStatusUnits").text(), QStringLiteral("Metric units (kN, kPa, cm, m)"));

    QWidget& dialog = pavement(window);
    const QString thickness = text(dialog, "h1_V");
    type(dialog, "h1_V", QStringLiteral("30"));
    QVERIFY(window.isWindowModified());
    type(dialog, "h1_V", thickness);
    QVERIFY(!window.isWindowModified());
    click(dialog, "OptWidenedYes");
    QVERIFY(window.isWindowModified());

    saveCase(window, prompt, folder.filePath(QStringLiteral("saved.DEF")));
    QCOMPARE(window.windowTitle(), QStringLiteral("saved.DEF[*] - ") + ProgramWindowTitle);
    QVERIFY(!window.isWindowModified());
}

// Every file read or saved goes to the top of the list, which keeps eight and is there in the next run.
// A file that is gone is told as File > Read tells it, and leaves the list.
void MainWindowStateTest::recentFilesListTheLastEightNewestFirst() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    {
        frmMain window(prompt);
        for (int file = 1; file <= 10; ++file) {
            saveCase(window, prompt, folder.filePath(QStringLiteral("case%1.DEF").arg(file)));
        }
        prompt.openNames = {folder.filePath(QStringLiteral("case5.DEF"))};
        trigger(window, "FileLoad");
        QCOMPARE(recentFiles(window),
                 (QStringList{"&1 case5.DEF", "&2 case10.DEF", "&3 case9.DEF", "&4 case8.DEF", "&5 case7.DEF",
                              "&6 case6.DEF", "&7 case4.DEF", "&8 case3.DEF"}));
    }
    frmMain nextRun(prompt);
    QCOMPARE(recentFiles(nextRun).size(), 8);
    prompt.clearRecord();
    trigger(nextRun, "mnuRecentFile2");
    QCOMPARE(prompt.texts(),
             QStringList{folder.filePath(QStringLiteral("case10.DEF")) + QStringLiteral("  Loaded!")});
    QCOMPARE(recentFiles(nextRun).first(), QStringLiteral("&1 case10.DEF"));

    QFile::remove(folder.filePath(QStringLiteral("case9.DEF")));
    prompt.clearRecord();
    trigger(nextRun, "mnuRecentFile3");
    QCOMPARE(prompt.texts(), QStringList{folder.filePath(
                                 QStringLiteral("case9.DEF cannot be read: No such file or directory"))});
    QCOMPARE(recentFiles(nextRun),
             (QStringList{"&1 case10.DEF", "&2 case5.DEF", "&3 case8.DEF", "&4 case7.DEF", "&5 case6.DEF",
                          "&6 case4.DEF", "&7 case3.DEF"}));
}

// A file named at start or dropped on the window is read as File > Read reads it, with its messages;
// a drop of anything but one case file is refused, and so is more than one file at start.
void MainWindowStateTest::filesOpenFromTheCommandLineAndByDropAsFileReadOpensThem() {
    QTemporaryDir folder;
    const QString good = caseFile(folder, "metric-two-layer-corner.DEF", "good.DEF");
    const QString notACase = folder.filePath(QStringLiteral("notes.DEF"));
    QFile notes(notACase);
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("not a case\r\n") > 0);
    notes.close();
    QCOMPARE(readStartArguments({"korvanex", good}).caseFile, good);
    QCOMPARE(readStartArguments({"korvanex"}).caseFile, QString());
    QCOMPARE(readStartArguments({"korvanex", good, good}).error, QStringLiteral("one case file at most"));

    for (const QString& path : {good, notACase}) {
        const QStringList read = messagesOfOpening([&path](frmMain& window, ScriptedPrompt& prompt) {
            prompt.openNames = {path};
            trigger(window, "FileLoad");
        });
        QCOMPARE(read.size(), 2);
        QCOMPARE(messagesOfOpening([&path](frmMain& window, ScriptedPrompt& prompt) {
                     openAtStart(window, path);
                     QVERIFY(prompt.messages.isEmpty());
                     QTRY_VERIFY(!prompt.messages.isEmpty());
                 }),
                 read);
        QCOMPARE(
            messagesOfOpening([&path](frmMain& window, ScriptedPrompt&) { QVERIFY(drop(window, {path})); }),
            read);
    }
    ScriptedPrompt prompt;
    frmMain window(prompt);
    QVERIFY(!drop(window, {folder.filePath(QStringLiteral("cases.csv"))}));
    QVERIFY(!drop(window, {good, good}));
    QVERIFY(prompt.messages.isEmpty());
}

// A design file goes on Recent Files beside the case files, and opens from File > Open Design, Recent
// Files, the command line and a drop with the same message and title. A file refused, or settings that
// a design cannot keep, are said in a message box, and nothing changes: neither the case nor the title
// nor the file.
void MainWindowStateTest::designFilesOpenLikeCaseFilesAndRefusalsChangeNothing() {
    QTemporaryDir folder;
    const QString design = folder.filePath(QStringLiteral("design.kvx"));
    {
        ScriptedPrompt prompt;
        frmMain window(prompt);
        saveCase(window, prompt, folder.filePath(QStringLiteral("case.DEF")));
        type(pavement(window), "h1_V", QStringLiteral("11"));
        prompt.saveNames = {design};
        trigger(window, "FileSaveDesign");
        QCOMPARE(recentFiles(window), (QStringList{"&1 design.kvx", "&2 case.DEF"}));
    }
    const auto opening = [](const std::function<void(frmMain&, ScriptedPrompt&)>& open) {
        return messagesOfOpening([&open](frmMain& window, ScriptedPrompt& prompt) {
            open(window, prompt);
            QTRY_VERIFY(!prompt.messages.isEmpty());
            QCOMPARE(text(pavement(window), "h1_V"), QStringLiteral("11"));
        });
    };
    const QStringList opened = opening([&design](frmMain& window, ScriptedPrompt& prompt) {
        prompt.openNames = {design};
        trigger(window, "FileOpenDesign");
        QCOMPARE(prompt.openFilters, QStringList{"(*.kvx)"});
    });
    QCOMPARE(opened, (QStringList{QStringLiteral("KORVANEX: ") + design + QStringLiteral("  Loaded!"),
                                  QStringLiteral("design.kvx[*] - ") + ProgramWindowTitle}));
    QCOMPARE(opening([](frmMain& window, ScriptedPrompt&) { trigger(window, "mnuRecentFile1"); }), opened);
    QCOMPARE(opening([&design](frmMain& window, ScriptedPrompt&) { openAtStart(window, design); }), opened);
    QCOMPARE(opening([&design](frmMain& window, ScriptedPrompt&) { QVERIFY(drop(window, {design})); }),
             opened);

    ScriptedPrompt prompt;
    frmMain window(prompt);
    prompt.openNames = {writeFile(folder.filePath(QStringLiteral("refused.kvx")),
                                  readFile(design).replace("\"version\": 1", "\"version\": 2"))};
    trigger(window, "FileOpenDesign");
    QCOMPARE(prompt.texts(),
             QStringList{QStringLiteral("The design was not read: ") +
                         folder.filePath(QStringLiteral("refused.kvx: version must be 1, not 2"))});
    QCOMPARE(window.windowTitle(), ProgramWindowTitle);
    QCOMPARE(text(pavement(window), "h1_V"), QStringLiteral("9.5"));

    trigger(window, "mnuFatigue");
    QWidget& fatigue = child<QWidget>(window, "frmFatigue");
    for (const auto& [field, typed, why] :
         {std::tuple{"txtModulus", "0",
                     "The modulus of rupture, the target and the model's constants must be numbers; "
                     "the modulus and the target greater than 0."},
          std::tuple{"txtModulus", "650", ""}}) {
        type(fatigue, field, QLatin1String(typed));
        prompt.clearRecord();
        prompt.saveNames = {folder.filePath(QStringLiteral("missing/design.kvx"))};
        trigger(window, "FileSaveDesign");
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.saveFilters.size(), *why == 0 ? 1 : 0);
        QVERIFY2(prompt.messages[0].text.startsWith(*why == 0 ? QStringLiteral("The design was not saved: ") +
                                                                    folder.filePath("missing/design.kvx")
                                                              : QStringLiteral("The design was not saved. ") +
                                                                    QLatin1String(why)),
                 qPrintable(prompt.messages[0].text));
    }
    QCOMPARE(window.windowTitle(), ProgramWindowTitle);
}

// The report and the plan reach down to the status bar, whatever the window's size; the size and the
// divider are those of the last run.
void MainWindowStateTest::reportAndPlanFillTheWindowWhoseLayoutIsKept() {
    ScriptedPrompt prompt;
    QList<int> divider;
    {
        frmMain window(prompt);
        window.show();
        window.resize(760, 540);
        QSplitter& area = child<QSplitter>(window, "reportArea");
        QTRY_COMPARE(area.geometry(), window.centralWidget()->rect());
        QCOMPARE(window.centralWidget()->geometry().bottom() + 1, window.statusBar()->geometry().top());
        area.setSizes({500, 200});
        divider = area.sizes();
        prompt.answers = {Button::No};
        QVERIFY(window.close());
    }
    frmMain nextRun(prompt);
    nextRun.show();
    QCOMPARE(nextRun.size(), QSize(760, 540));
    QTRY_COMPARE(child<QSplitter>(nextRun, "reportArea").sizes(), divider);
    QVERIFY(child<QAction>(nextRun, "EnglishOption").isChecked());
}

// Beside the main window on the plan's side where the screen has room, then on the other side, then over
// the report; where nothing leaves the plan clear, where the least of it is covered. Every way a dialog
// opens places it so.
void MainWindowStateTest::inputDialogsOpenClearOfThePlan() {
    const QRect owner(100, 50, 900, 640);
    const QRect report(100, 80, 540, 580);
    const QRect plan(644, 80, 356, 580);
    const QSize dialog(400, 300);
    const struct {
        QRect screen;
        QPoint corner;
    } placements[] = {
        {{-500, 0, 2100, 900}, {1008, 80}}, // room on both sides: on the plan's, level with the plan
        {{-500, 0, 1600, 900}, {-308, 80}}, // no room on the right
        {{0, 0, 1100, 900}, {169, 219}},    // no room beside: over the report, centred on it
    };
    for (const auto& [screen, corner] : placements) {
        QCOMPARE(cornerBesidePlan(dialog, owner, plan, report, screen), corner);
    }
    // Too wide for the report: as far from the plan as the screen allows.
    QCOMPARE(cornerBesidePlan({700, 300}, owner, plan, report, {100, 0, 900, 700}), QPoint(100, 219));

    // The pavement dialog that reading a file opens stands where the menu opens it (once shown, so that
    // its frame is known).
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    trigger(window, "mnutStressPavementData");
    QWidget& pavementDialog = child<QWidget>(window, "frmPvmtStrs");
    pavementDialog.hide();
    trigger(window, "mnutStressPavementData");
    const QPoint byMenu = pavementDialog.pos();
    pavementDialog.hide();
    pavementDialog.move(0, 0);
    prompt.openNames = {caseFile(folder, "metric-two-layer-corner.DEF", "read.DEF")};
    trigger(window, "FileLoad");
    QVERIFY(pavementDialog.isVisible());
    QCOMPARE(pavementDialog.pos(), byMenu);
}

// Metric from the menu to the printed page: the report on screen and as saved (the metric default case's
// report), and the printed report.
void MainWindowStateTest::aMetricRunIsMetricThroughout() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    const QString path = folder.filePath(QStringLiteral("metric.PRN"));
    prompt.saveNames = {path};
    trigger(window, "mnuSaveReport");
    QByteArray report = readFile(QStringLiteral(KORVANEX_TEST_DATA "/reports/default-metric.PRN"));
    QCOMPARE(readFile(path), report);
    QCOMPARE(reportText(window).toUtf8(), report.replace("\r\n", "\n"));

    QCOMPARE(prompt.messages.size(), 1); // "Metric System Selected"
    prompt.clearRecord();
    const QString printed = folder.filePath(QStringLiteral("metric.pdf"));
    prompt.printTo(printed);
    trigger(window, "mnuPrintReport");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(QFileInfo(printed).size() > 0);
}

QTEST_MAIN(MainWindowStateTest)
#include "main_window_state_test.moc"
