#include "app/main_window.h"

#include "dialogs/about_dialog.h"
#include "dialogs/axle_dialog.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "scripted_prompt.h"
#include "widget_access.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

QAction& action(const frmMain& window, const char* name) {
    return child<QAction>(window, name);
}

void trigger(const frmMain& window, const char* name) {
    action(window, name).trigger();
}

// The captions of a menu's items in order, "-" for a separator.
QStringList captions(const QMenu& menu) {
    QStringList result;
    for (const QAction* item : menu.actions()) {
        result << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return result;
}

QString reportText(const frmMain& window) {
    return child<QPlainTextEdit>(window, "txtReports").toPlainText();
}

bool unitItemsAvailable(const frmMain& window) {
    return action(window, "MetricOption").isEnabled() || action(window, "EnglishOption").isEnabled();
}

bool anyDialogCreated(const frmMain& window) {
    return window.findChild<frmPvmtStrs*>() != nullptr || window.findChild<frmWheel*>() != nullptr ||
           window.findChild<frmEnvironPct*>() != nullptr;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray crlfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

// A metric two-layer bonded case with the wheels at the corner.
QByteArray metricTwoLayerFile() {
    return crlfLines({"****SI****",
                      "",
                      "***Stress Analysis***",
                      "",
                      "Corner Stress Analysis",
                      "",
                      "Dual-Tandem",
                      "",
                      "90",
                      "700",
                      "30",
                      "130",
                      "",
                      "TwoLayer Bond",
                      "",
                      "25",
                      "16",
                      "28000000",
                      "14000000",
                      "2400",
                      "0.15",
                      "4.6",
                      "3.7",
                      "",
                      "36",
                      "170000",
                      "60",
                      "",
                      "10",
                      "1E-05",
                      "",
                      "Stress Analysis Data End"});
}

QByteArray englishOneLayerFile() {
    return crlfLines({"****ENG****",
                      "",
                      "***Stress Analysis***",
                      "",
                      "Interior Stress Analysis",
                      "",
                      "Single-Single",
                      "",
                      "20000",
                      "110",
                      "12",
                      "50",
                      "",
                      "OneLayer",
                      "",
                      "10",
                      "6",
                      "4500000",
                      "2000000",
                      "0.087",
                      "0.15",
                      "15",
                      "12",
                      "",
                      "150",
                      "25000",
                      "24",
                      "",
                      "0",
                      "5.5E-06",
                      "",
                      "Stress Analysis Data End"});
}

const QRegularExpression
    FaultMessage(QStringLiteral("^The computation stopped on a floating-point fault in \\S+\\. "
                                "Please check k, h1, E1, μ1, the tire pressure and the "
                                "two-layer values\\.$"));

// Opens the pavement dialog from the menu and gives the subgrade modulus a value the analysis cannot use.
void breakSubgradeModulus(frmMain& window) {
    trigger(window, "mnutStressPavementData");
    child<QLineEdit>(child<frmPvmtStrs>(window, "frmPvmtStrs"), "k_V").setText(QStringLiteral("0"));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void menuBarAndReportAreaAtStart();
    void reportAreaFollowsTheWindowSize();
    void unitCommandsBeforeAnyDialog();
    void metricChosenFirstGivesMetricAxleDialog();
    void unitItemsBecomeUnavailableOnceAnyDialogIsCreated();
    void dialogsOpenCentredOnTheMainWindow();
    void readingAFileOpensThePavementDialogAndSwitchesCaptions();
    void refusedFilesChangeNothing();
    void savingInputDataWritesTheCaseFile();
    void computeShowsTheReport();
    void detailedReportsToggle();
    void computationFaultLeavesTheReportArea();
    void savingAReportComputesItFirst();
    void printingAReportComputesItFirst();
    void closingAsksToSaveAndNeverLosesTheCase();
};

void MainWindowTest::menuBarAndReportAreaAtStart() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    QCOMPARE(window.windowTitle(), QStringLiteral("KORVANEX Stress Analysis Program"));

    QStringList bar;
    for (const QAction* item : window.menuBar()->actions()) {
        bar << item->text();
    }
    QCOMPARE(bar, (QStringList{"&File", "&Edit", "&View", "&Compute Stresses", "&Design Chart...",
                               "F&atigue...", "&Help"}));
    QVERIFY2(action(window, "mnuComputeStresses").menu() == nullptr, "a command, not a menu");

    QCOMPARE(captions(child<QMenu>(window, "File")),
             (QStringList{"&Default Options", "-", "&Read Data From File...", "&Save Input Data...", "-",
                          "S&ave Report...", "&Print Report...", "-", "E&xit"}));
    QCOMPARE(captions(child<QMenu>(window, "mnuDefaultOptions")),
             (QStringList{"&Metric System", "&English System", "-", "&Detailed Reports"}));
    QCOMPARE(captions(child<QMenu>(window, "mnuEdit")),
             (QStringList{"&Pavement Data...", "&Axle Data...", "&Temperature Data..."}));
    QCOMPARE(captions(child<QMenu>(window, "mnuView")), QStringList{"Slab &Plan"});
    QCOMPARE(captions(child<QMenu>(window, "Help")), QStringList{"&About"});

    QCOMPARE(action(window, "FileLoad").shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
    QCOMPARE(action(window, "FileSave").shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QVERIFY(!action(window, "MetricOption").isChecked() && action(window, "MetricOption").isEnabled());
    QVERIFY(action(window, "EnglishOption").isChecked() && !action(window, "EnglishOption").isEnabled());
    QVERIFY(action(window, "DetailedReportsOption").isCheckable());
    QVERIFY(!action(window, "DetailedReportsOption").isChecked());

    const QPlainTextEdit& report = child<QPlainTextEdit>(window, "txtReports");
    QVERIFY(report.isReadOnly());
    QCOMPARE(report.lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(report.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(report.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(QFontInfo(report.font()).fixedPitch());
    QVERIFY(report.toPlainText().isEmpty());
    QVERIFY(!anyDialogCreated(window));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::reportAreaFollowsTheWindowSize() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.resize(1000, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The report and the slab plan share the area; without the plan the report fills it.
    const QWidget& area = child<QSplitter>(window, "reportArea");
    QCOMPARE(area.geometry(), QRect(0, 0, 990, 720));
    window.resize(600, 500);
    QTRY_COMPARE(area.geometry(), QRect(0, 0, 594, 450));
    trigger(window, "mnuViewSlabPlan");
    QTRY_COMPARE(child<QPlainTextEdit>(window, "txtReports").width(), 594);
}

void MainWindowTest::unitCommandsBeforeAnyDialog() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("Stress Analysis Program"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("Metric System Selected"));
    QCOMPARE(prompt.messages[0].buttons, QList<Button>{Button::Ok});
    QVERIFY(action(window, "MetricOption").isChecked() && !action(window, "MetricOption").isEnabled());
    QVERIFY(!action(window, "EnglishOption").isChecked() && action(window, "EnglishOption").isEnabled());

    trigger(window, "EnglishOption");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[1].title, QStringLiteral("Stress Analysis Program"));
    QCOMPARE(prompt.messages[1].text, QStringLiteral("English System Selected"));
    QVERIFY(action(window, "EnglishOption").isChecked() && !action(window, "EnglishOption").isEnabled());
    QVERIFY(!action(window, "MetricOption").isChecked() && action(window, "MetricOption").isEnabled());
    QVERIFY(!anyDialogCreated(window));
}

void MainWindowTest::metricChosenFirstGivesMetricAxleDialog() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    trigger(window, "mnuStressAxleData");

    const frmWheel& axle = child<frmWheel>(window, "frmWheel");
    QVERIFY(axle.isVisible());
    QCOMPARE(child<QLabel>(axle, "P").text(), QStringLiteral("Axle Load, P (kN)"));
    QCOMPARE(child<QLabel>(axle, "tp").text(), QStringLiteral("Tire Pressure, p (kPa)"));
    QCOMPARE(child<QLineEdit>(axle, "P_V").text(), QStringLiteral("80.1"));
    QVERIFY(!unitItemsAvailable(window));
    QVERIFY(action(window, "MetricOption").isChecked());
    QVERIFY(window.findChild<frmPvmtStrs*>() == nullptr);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::unitItemsBecomeUnavailableOnceAnyDialogIsCreated() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString caseFile = folder.filePath(QStringLiteral("read.DEF"));
    writeFile(caseFile, englishOneLayerFile());

    struct Route {
        const char* name;
        std::function<void(frmMain&, ScriptedPrompt&)> run;
    };
    const Route routes[] = {
        {"pavement data", [](frmMain& w, ScriptedPrompt&) { trigger(w, "mnutStressPavementData"); }},
        {"axle data", [](frmMain& w, ScriptedPrompt&) { trigger(w, "mnuStressAxleData"); }},
        {"temperature data", [](frmMain& w, ScriptedPrompt&) { trigger(w, "mnuStressTemperatureData"); }},
        {"compute", [](frmMain& w, ScriptedPrompt&) { trigger(w, "mnuComputeStresses"); }},
        {"save input data",
         [&folder](frmMain& w, ScriptedPrompt& p) {
             p.saveNames = {folder.filePath(QStringLiteral("saved.DEF"))};
             trigger(w, "FileSave");
         }},
        {"read data",
         [&caseFile](frmMain& w, ScriptedPrompt& p) {
             p.openNames = {caseFile};
             trigger(w, "FileLoad");
         }},
        {"save report",
         [&folder](frmMain& w, ScriptedPrompt& p) {
             p.saveNames = {folder.filePath(QStringLiteral("report.PRN"))};
             trigger(w, "mnuSaveReport");
         }},
    };
    for (const Route& route : routes) {
        ScriptedPrompt prompt;
        frmMain window(prompt);
        trigger(window, "MetricOption");
        QVERIFY2(unitItemsAvailable(window), route.name);
        route.run(window, prompt);
        QVERIFY2(anyDialogCreated(window), route.name);
        QVERIFY2(!unitItemsAvailable(window), route.name);
    }

    // The About box is not one of the input dialogs.
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuHelpAbout");
    QVERIFY(child<frmAbout>(window, "frmAbout").isVisible());
    QVERIFY(unitItemsAvailable(window));
}

void MainWindowTest::dialogsOpenCentredOnTheMainWindow() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.setGeometry(40, 30, 700, 520);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    trigger(window, "mnutStressPavementData");
    frmPvmtStrs& pavement = child<frmPvmtStrs>(window, "frmPvmtStrs");
    QVERIFY(pavement.isVisible());
    QVERIFY(!pavement.isModal());
    // Within the window frame, which the window system adds around the dialog.
    const auto centredOnWindow = [&] {
        const QPoint offset = pavement.frameGeometry().center() - window.frameGeometry().center();
        return qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3;
    };
    QVERIFY(centredOnWindow());
    QVERIFY(pavement.screen()->availableGeometry().contains(pavement.frameGeometry()));

    // Fields shown by an option grow the dialog around its centre, at the size they need.
    click(pavement, "two_bond");
    click(pavement, "OptTiedYes");
    QTRY_COMPARE(pavement.size(), pavement.sizeHint());
    QVERIFY(centredOnWindow());

    // Closing hides the dialog; the next menu command shows the same one again.
    pavement.findChild<QAbstractButton*>(QStringLiteral("Cancel"))->click();
    QVERIFY(!pavement.isVisible());
    trigger(window, "mnutStressPavementData");
    QCOMPARE(window.findChildren<frmPvmtStrs*>().size(), 1);
    QVERIFY(pavement.isVisible());
}

void MainWindowTest::readingAFileOpensThePavementDialogAndSwitchesCaptions() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("metric.def"));
    writeFile(path, metricTwoLayerFile());
    ScriptedPrompt prompt;
    frmMain window(prompt);
    prompt.openNames = {path};
    trigger(window, "FileLoad");

    QCOMPARE(prompt.openFilters, QStringList{"(*.DEF)"});
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QCOMPARE(prompt.messages[0].text, QFileInfo(path).absoluteFilePath() + QStringLiteral("  Loaded!"));
    QCOMPARE(prompt.messages[0].buttons, QList<Button>{Button::Ok});
    QVERIFY(QApplication::overrideCursor() == nullptr);

    const frmPvmtStrs& pavement = child<frmPvmtStrs>(window, "frmPvmtStrs");
    QVERIFY2(pavement.isVisible(), "selecting the two-layer option opens the dialog");
    QVERIFY(child<QRadioButton>(pavement, "two_bond").isChecked());
    QVERIFY(!child<QLineEdit>(pavement, "h2_V").isHidden());
    QCOMPARE(child<QLineEdit>(pavement, "h2_V").text(), QStringLiteral("16"));
    QCOMPARE(child<QLineEdit>(pavement, "k_V").text(), QStringLiteral("36"));
    QCOMPARE(child<QLabel>(pavement, "k").text(), QStringLiteral("Subgrade Modulus, K (kPa/mm)"));
    QCOMPARE(child<QLabel>(pavement, "h1").text(), QStringLiteral("Slab (1st Layer) Thickness, h1 (cm)"));

    const frmWheel& axle = child<frmWheel>(window, "frmWheel");
    QVERIFY(!axle.isVisible());
    QCOMPARE(child<QLabel>(axle, "P").text(), QStringLiteral("Axle Load, P (kN)"));
    QCOMPARE(child<QLineEdit>(axle, "P_V").text(), QStringLiteral("90"));
    QCOMPARE(child<QLineEdit>(axle, "d_V").text(),
             QStringLiteral("223.5")); // 88 in, converted with the units
    QVERIFY(child<QRadioButton>(axle, "corner_loc").isChecked());
    QVERIFY(child<QRadioButton>(axle, "two_two").isChecked());
    QVERIFY(!child<QLineEdit>(axle, "t_V").isHidden());
    const frmEnvironPct& environment = child<frmEnvironPct>(window, "frmEnvironPct");
    QCOMPARE(child<QLineEdit>(environment, "F_V").text(), QStringLiteral("10"));
    QCOMPARE(child<QLabel>(environment, "F").text(),
             QStringLiteral("Critical Temperature Differential, ΔT (oC)"));

    QVERIFY(action(window, "MetricOption").isChecked());
    QVERIFY(!action(window, "EnglishOption").isChecked());
    QVERIFY(!unitItemsAvailable(window));
    const QAction& temperature = action(window, "mnuStressTemperatureData");
    QCOMPARE(temperature.property("oneLayerFile"), QVariant(false));
    QVERIFY(temperature.isVisible() && temperature.isEnabled());

    // An English one-layer file: the marks follow the file, the unit items stay unavailable.
    const QString englishPath = folder.filePath(QStringLiteral("english.DEF"));
    writeFile(englishPath, englishOneLayerFile());
    prompt.openNames = {englishPath};
    trigger(window, "FileLoad");
    QVERIFY(action(window, "EnglishOption").isChecked());
    QVERIFY(!action(window, "MetricOption").isChecked());
    QVERIFY(!unitItemsAvailable(window));
    QCOMPARE(temperature.property("oneLayerFile"), QVariant(true));
    QVERIFY(temperature.isVisible() && temperature.isEnabled());
    QVERIFY(child<QRadioButton>(pavement, "one").isChecked());
    QVERIFY(child<QLineEdit>(pavement, "h2_V").isHidden());
    QCOMPARE(child<QLabel>(pavement, "k").text(), QStringLiteral("Subgrade Modulus, K (psi/in)"));
    QVERIFY(child<QLineEdit>(axle, "S_V").isHidden() && child<QLineEdit>(axle, "t_V").isHidden());
}

void MainWindowTest::refusedFilesChangeNothing() {
    QTemporaryDir folder;
    QByteArray incorrect = englishOneLayerFile();
    incorrect.replace("***Stress Analysis***", "***Stress Analysis**");
    const QString incorrectPath = folder.filePath(QStringLiteral("incorrect.DEF"));
    writeFile(incorrectPath, incorrect);
    const QString shortPath = folder.filePath(QStringLiteral("short.DEF"));
    writeFile(shortPath, crlfLines({"****ENG****", ""}));

    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    prompt.clearRecord();

    prompt.openNames = {incorrectPath};
    trigger(window, "FileLoad");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("Incorrect Input File!"));

    prompt.openNames = {shortPath};
    trigger(window, "FileLoad");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
    QVERIFY(prompt.messages[1].text.contains(shortPath));

    trigger(window, "FileLoad"); // cancelled
    QCOMPARE(prompt.messages.size(), 2);

    QVERIFY(!anyDialogCreated(window));
    QVERIFY(action(window, "MetricOption").isChecked() && !action(window, "EnglishOption").isChecked());
    QVERIFY(action(window, "EnglishOption").isEnabled());
    QVERIFY(!action(window, "mnuStressTemperatureData").property("oneLayerFile").isValid());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::savingInputDataWritesTheCaseFile() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    const QString path = folder.filePath(QStringLiteral("case1"));
    prompt.saveNames = {path};
    trigger(window, "FileSave");

    QCOMPARE(prompt.saveFilters, QStringList{"(*.DEF)"});
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY2(QFileInfo::exists(path), "no extension is added");
    QCOMPARE(readFile(path), readFile(QStringLiteral(KORVANEX_TEST_DATA "/cases/example.DEF")));

    prompt.saveNames = {folder.filePath(QStringLiteral("missing/case.DEF"))};
    trigger(window, "FileSave");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("The input data was not saved: ")));

    trigger(window, "FileSave"); // cancelled
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::computeShowsTheReport() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");

    QVERIFY(prompt.messages.isEmpty());
    const QString text = reportText(window);
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QVERIFY(lines.size() > 20);
    QCOMPARE(lines[0], QString());
    QCOMPARE(lines[1], QString());
    QCOMPARE(lines[2], QString(9, QLatin1Char(' ')) + QString(48, QLatin1Char('*')));
    QCOMPARE(lines[3], QString(22, QLatin1Char(' ')) + QStringLiteral("Edge Stress Analysis"));
    QCOMPARE(lines[4], QString(9, QLatin1Char(' ')) + QStringLiteral("               Original  Data"));
    QVERIFY(text.contains(QStringLiteral("         Axle Load, P (lbs) = 18000\n")));
    QVERIFY(text.contains(QStringLiteral("     MERIDOC Edge Stress Analysis Results      ")));
    QVERIFY(!unitItemsAvailable(window));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::detailedReportsToggle() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");
    QVERIFY(!reportText(window).contains(QStringLiteral("Adjustment Factors")));

    trigger(window, "DetailedReportsOption");
    QVERIFY(action(window, "DetailedReportsOption").isChecked());
    QVERIFY2(!reportText(window).contains(QStringLiteral("Adjustment Factors")),
             "nothing happens until the next report");
    trigger(window, "mnuComputeStresses");
    QVERIFY(reportText(window).contains(QStringLiteral("               Adjustment Factors\n")));

    trigger(window, "DetailedReportsOption");
    QVERIFY(!action(window, "DetailedReportsOption").isChecked());
}

void MainWindowTest::computationFaultLeavesTheReportArea() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");
    const QString before = reportText(window);
    QVERIFY(!before.isEmpty());

    breakSubgradeModulus(window);
    trigger(window, "mnuComputeStresses");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QVERIFY2(FaultMessage.match(prompt.messages[0].text).hasMatch(), qPrintable(prompt.messages[0].text));
    QCOMPARE(reportText(window), before);
    QVERIFY(window.isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::savingAReportComputesItFirst() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "mnuComputeStresses");
    const QString before = reportText(window);

    // An edit after the last computation: the saved report is computed from it.
    trigger(window, "mnuStressTemperatureData");
    child<QLineEdit>(child<frmEnvironPct>(window, "frmEnvironPct"), "F_V").setText(QStringLiteral("10"));
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

    // A computation that faults saves nothing and asks for no file name.
    prompt.clearRecord();
    breakSubgradeModulus(window);
    const QString faultPath = folder.filePath(QStringLiteral("fault.PRN"));
    prompt.saveNames = {faultPath};
    trigger(window, "mnuSaveReport");
    QVERIFY(prompt.saveFilters.isEmpty());
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(FaultMessage.match(prompt.messages[0].text).hasMatch());
    QVERIFY(!QFileInfo::exists(faultPath));
    QCOMPARE(reportText(window), after);

    // A report that cannot be written is reported; a cancelled dialog is silent.
    child<QLineEdit>(child<frmPvmtStrs>(window, "frmPvmtStrs"), "k_V").setText(QStringLiteral("130"));
    prompt.clearRecord();
    prompt.saveNames = {folder.filePath(QStringLiteral("missing/report.PRN"))};
    trigger(window, "mnuSaveReport");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("The report was not saved: ")));
    trigger(window, "mnuSaveReport");
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void MainWindowTest::printingAReportComputesItFirst() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    prompt.printerSetUp = [&path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    trigger(window, "mnuPrintReport");
    QCOMPARE(prompt.printerRequests, 1);
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(!reportText(window).isEmpty());
    QVERIFY(readFile(path).startsWith("%PDF"));

    // A computation that faults prints nothing.
    breakSubgradeModulus(window);
    trigger(window, "mnuPrintReport");
    QCOMPARE(prompt.printerRequests, 1);
    QCOMPARE(prompt.messages.size(), 1);

    // A print job that fails is reported.
    child<QLineEdit>(child<frmPvmtStrs>(window, "frmPvmtStrs"), "k_V").setText(QStringLiteral("130"));
    prompt.clearRecord();
    prompt.printerSetUp = [&folder](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("missing/report.pdf")));
        return true;
    };
    trigger(window, "mnuPrintReport");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("The report was not printed")));
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

    // Yes, then the save dialog cancelled: the window stays open.
    prompt.answers = {Button::Yes};
    QVERIFY(!window.close());
    QCOMPARE(prompt.saveFilters, QStringList{"(*.DEF)"});
    QVERIFY(window.isVisible());

    // Yes, then a save that fails: reported, and the window stays open.
    prompt.clearRecord();
    prompt.answers = {Button::Yes};
    prompt.saveNames = {folder.filePath(QStringLiteral("missing/case.DEF"))};
    QVERIFY(!window.close());
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
    QVERIFY(window.isVisible());

    // Yes and a saved case: the program ends, every window with it.
    prompt.answers = {Button::Yes};
    const QString path = folder.filePath(QStringLiteral("closing.DEF"));
    prompt.saveNames = {path};
    QVERIFY(window.close());
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!window.isVisible());
    QVERIFY(!child<frmPvmtStrs>(window, "frmPvmtStrs").isVisible());

    // No ends it without asking for a file; Exit closes the same way.
    frmMain second(prompt);
    second.show();
    prompt.clearRecord();
    prompt.answers = {Button::No};
    trigger(second, "FileExit");
    QVERIFY(!second.isVisible());
    QCOMPARE(prompt.messages.size(), 1);
    QVERIFY(prompt.saveFilters.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
