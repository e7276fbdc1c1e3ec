// SPDX-License-Identifier: Apache-2.0
// Compute > Check with Plate Model: the window shows what `korvanex-cli plate` prints for the case as
// the dialogs hold it, with the mesh, the load and the shoulder's width chosen in it; it says a case
// that cannot be compared in words, computes off the user-interface thread and shows only the latest
// request.

#include "app/plate_window.h"
#include "widget_test.h"

#include "formats/plate_contour_svg.h"
#include "studies/plate_comparison.h"

#include <QHeaderView>
#include <QRegularExpression>
#include <QTableView>

using namespace korvanex;

namespace {

// The default case with a tied shoulder and a temperature differential of 20 degF.
AnalysisCase tiedCurledCase() {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.tiedShoulder = true;
    record.F = "20";
    return record;
}

// Opens the window on the default case made tied and curled in the dialogs.
frmPlateModel& openOnTiedCurledCase(frmMain& window) {
    trigger(window, "mnutStressPavementData");
    click(pavement(window), "OptTiedYes");
    trigger(window, "mnuStressTemperatureData");
    type(child<frmEnvironPct>(window, "frmEnvironPct"), "F_V", QStringLiteral("20"));
    trigger(window, "mnuPlateModel");
    return child<frmPlateModel>(window, "frmPlateModel");
}

// Lines with every run of blanks that lines up a column made one gap.
QStringList unaligned(const QStringList& lines) {
    QStringList texts;
    for (const QString& line : lines) {
        texts << QString(line).replace(QRegularExpression(QStringLiteral("\\s{2,}")), QStringLiteral("  "));
    }
    return texts;
}

QStringList labelLines(const QWidget& plate, const char* name) {
    return child<QLabel>(plate, name).text().split(QLatin1Char('\n'));
}

// What the window shows, laid out as the command line's text: the lines above the table, the table's
// headings and rows, the plate model's lines and the clamped ratios.
QStringList shownLines(const QWidget& plate) {
    const QTableView& table = child<QTableView>(plate, "tblStresses");
    QStringList lines = labelLines(plate, "lblHead")
                        << QString() << headers(table).join(QStringLiteral("  "));
    for (int index = 0; index < table.model()->rowCount(); ++index) {
        lines << row(table, index).join(QStringLiteral("  "));
    }
    lines << QString() << labelLines(plate, "lblPlate") << QString() << labelLines(plate, "lblClamped");
    return unaligned(lines);
}

// What `korvanex-cli plate` prints for the case with the options.
QStringList commandLines(const AnalysisCase& record, const PlateOptions& options) {
    QStringList lines;
    for (const std::string& line : plateComparisonText(record, comparePlate(record, options))) {
        lines << QString::fromStdString(line);
    }
    return unaligned(lines);
}

QStringList shownResults(frmPlateModel& plate) {
    waitForResults(plate);
    return shownLines(plate);
}

} // namespace

class PlateWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsWhatTheCommandLinePrintsForEachChoice();
    void aCaseThatCannotBeComparedIsSaidInWords();
    void onlyTheLatestRequestIsShown();
};

// Each choice changes the comparison, and the window shows the command line's text for it: the
// opening defaults, a coarse mesh, one tire, a shoulder 8 ft = 96 in wide; a width that is not one
// goes back to the width compared and asks for nothing. The width is typed only for a tied shoulder.
void PlateWindowTest::showsWhatTheCommandLinePrintsForEachChoice() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmPlateModel& plate = openOnTiedCurledCase(window);
    QVERIFY(child<QLineEdit>(plate, "txtShoulderWidth").isEnabled());
    QCOMPARE(child<QLabel>(plate, "lblShoulderWidth").text(), QStringLiteral("Shoulder &Width (ft):"));

    struct Choice {
        const char* mesh;
        const char* load;
        const char* width;
        PlateOptions options;
    };
    const Choice choices[] = {
        {"default", "gear", "", {DefaultShoulderWidth, PlateMesh::Default, PlateLoad::Gear}},
        {"coarse", "gear", "", {DefaultShoulderWidth, PlateMesh::Coarse, PlateLoad::Gear}},
        {"coarse", "single", "", {DefaultShoulderWidth, PlateMesh::Coarse, PlateLoad::SingleTire}},
        {"coarse", "single", "8", {96, PlateMesh::Coarse, PlateLoad::SingleTire}},
        {"coarse", "single", "-8", {96, PlateMesh::Coarse, PlateLoad::SingleTire}},
    };
    QStringList previous;
    for (const Choice& choice : choices) {
        child<QComboBox>(plate, "cboMesh").setCurrentText(QLatin1String(choice.mesh));
        child<QComboBox>(plate, "cboLoad").setCurrentText(QLatin1String(choice.load));
        QLineEdit& width = child<QLineEdit>(plate, "txtShoulderWidth");
        width.setText(QLatin1String(choice.width));
        emit width.editingFinished();
        const QStringList shown = shownResults(plate);
        QCOMPARE(shown, commandLines(tiedCurledCase(), choice.options));
        QCOMPARE(shown != previous, QLatin1String(choice.width) != QStringLiteral("-8"));
        previous = shown;
    }
    QCOMPARE(child<QLineEdit>(plate, "txtShoulderWidth").text(), QStringLiteral("8"));
    QVERIFY(prompt.messages.isEmpty());

    // The picture saved is the command line's --svg.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plate.svg"));
    prompt.saveNames = {path};
    click(plate, "cmdSaveSvg");
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const AnalysisCase record = tiedCurledCase();
    const PlateComparison comparison = comparePlate(record, choices[3].options);
    QCOMPARE(saved.readAll().toStdString(), plateContourSvg(record, comparison.model, comparison.plate,
                                                            PlateState::Combined, PlateMesh::Coarse));
    click(pavement(window), "OptTiedNo");
    QVERIFY(!child<QLineEdit>(plate, "txtShoulderWidth").isEnabled());
}

// A case whose computation faults, or whose field is not a number, is said in words in the window: no
// table, no picture, no number; saving the picture says there is none. A sound case brings them back.
void PlateWindowTest::aCaseThatCannotBeComparedIsSaidInWords() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmPlateModel& plate = openOnTiedCurledCase(window);
    child<QComboBox>(plate, "cboMesh").setCurrentText(QStringLiteral("coarse"));
    waitForResults(plate);
    const std::pair<QString, QString> faults[] = {
        {QStringLiteral("0"),
         QStringLiteral("The plate model was not compared: the computation stopped on a floating-point fault "
                        "in WestergaardEdge (E h^3 / (12 (1 - mu^2) k)). Please check k, h1, E1, μ1, the "
                        "tire pressure and the "
                        "two-layer values.")},
        {QStringLiteral("x"), QStringLiteral("k is an invalid number; please try again!")},
    };
    for (const auto& [modulus, words] : faults) {
        type(pavement(window), "k_V", modulus);
        waitForResults(plate);
        QCOMPARE(child<QLabel>(plate, "lblProblem").text(), words);
        QVERIFY(shown(plate, "lblProblem"));
        QVERIFY(!shown(plate, "tblStresses"));
        for (const char* label : {"lblHead", "lblPlate", "lblClamped"}) {
            QVERIFY(child<QLabel>(plate, label).text().isEmpty());
        }
        prompt.clearRecord();
        prompt.saveNames = {QStringLiteral("unused.png")};
        click(plate, "cmdSavePng");
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("The picture was not saved: the picture could not be drawn")});
    }
    type(pavement(window), "k_V", QStringLiteral("100"));
    waitForResults(plate);
    QVERIFY(!shown(plate, "lblProblem"));
    QVERIFY(shown(plate, "tblStresses"));
}

// Choices made in a row each ask anew; none is shown before the user-interface thread takes its
// result, and only the latest request's comparison is shown (its headings and rows, once each).
void PlateWindowTest::onlyTheLatestRequestIsShown() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmPlateModel& plate = openOnTiedCurledCase(window);
    const QStringList opened = shownResults(plate);
    QSignalSpy resets(child<QTableView>(plate, "tblStresses").model(), &QAbstractItemModel::modelReset);
    child<QComboBox>(plate, "cboMesh").setCurrentText(QStringLiteral("coarse"));
    child<QComboBox>(plate, "cboLoad").setCurrentText(QStringLiteral("single"));
    child<QComboBox>(plate, "cboMesh").setCurrentText(QStringLiteral("fine"));
    child<QComboBox>(plate, "cboMesh").setCurrentText(QStringLiteral("coarse"));
    QVERIFY(plate.isComputing());
    QCOMPARE(shownLines(plate), opened);
    QCOMPARE(resets.count(), 0);

    const QStringList latest = shownResults(plate);
    QCOMPARE(resets.count(), 2);
    QCOMPARE(latest, commandLines(tiedCurledCase(),
                                  {DefaultShoulderWidth, PlateMesh::Coarse, PlateLoad::SingleTire}));
}

QTEST_MAIN(PlateWindowTest)
#include "plate_window_test.moc"
