#include "app/design_chart_window.h"
#include "app/main_window.h"

#include "dialogs/axle_dialog.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "engine/analysis_results.h"
#include "engine/compute_stresses.h"
#include "io/case_file.h"
#include "scripted_prompt.h"
#include "widget_access.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

using namespace korvanex;

namespace {

void trigger(const frmMain& window, const char* name) {
    child<QAction>(window, name).trigger();
}

frmDesignChart& openChart(const frmMain& window) {
    trigger(window, "mnuDesignChart");
    return child<frmDesignChart>(window, "frmDesignChart");
}

QChart& chartOf(const frmDesignChart& window) {
    return *child<QChartView>(window, "chartView").chart();
}

// The chart's series of one kind whose object name starts with the given text.
template <class Series> QList<Series*> seriesNamed(const frmDesignChart& window, const QString& prefix) {
    QList<Series*> found;
    for (QAbstractSeries* series : chartOf(window).series()) {
        auto* typed = qobject_cast<Series*>(series);
        if (typed != nullptr && series->objectName().startsWith(prefix)) {
            found.append(typed);
        }
    }
    return found;
}

QLineSeries& curve(const frmDesignChart& window, const char* name) {
    const QList<QLineSeries*> found = seriesNamed<QLineSeries>(window, QString::fromLatin1(name));
    if (found.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("no single series ") + QLatin1String(name)), __FILE__,
                     __LINE__);
        throw std::runtime_error(name);
    }
    return *found.first();
}

QStringList curveNames(const frmDesignChart& window) {
    QStringList names;
    for (QAbstractSeries* series : chartOf(window).series()) {
        if (qobject_cast<QLineSeries*>(series) != nullptr &&
            series->objectName() != QLatin1String("AllowableStress")) {
            names << series->objectName();
        }
    }
    return names;
}

QString axisTitle(const frmDesignChart& window, Qt::Orientation orientation) {
    const QList<QAbstractAxis*> axes = chartOf(window).axes(orientation);
    return axes.size() == 1 ? axes.first()->titleText() : QString();
}

// Types a value into a text box and presses Return, as the user does.
void enter(const frmDesignChart& window, const char* name, const QString& text) {
    QLineEdit& edit = child<QLineEdit>(window, name);
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

void chooseField(const frmDesignChart& window, Field field) {
    QComboBox& fields = child<QComboBox>(window, "cboField");
    fields.setCurrentIndex(fields.findData(static_cast<int>(field)));
}

QString note(const frmDesignChart& window) {
    return child<QLabel>(window, "lblNote").text();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class DesignChartTest : public QObject {
    Q_OBJECT

  private slots:
    void commandOnTheMenuBarOpensTheChartOfTheCase();
    void seriesHaveOnePointPerSweepPoint();
    void theChartFollowsTheDialogs();
    void faultedPointsAreLeftOutAndCounted();
    void axisTitlesInBothUnitSystems();
    void crossingOfTheAllowableStressIsMarked();
    void chartAndDataAreSaved();
};

void DesignChartTest::commandOnTheMenuBarOpensTheChartOfTheCase() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    QVERIFY2(child<QAction>(window, "mnuDesignChart").menu() == nullptr, "a command, not a menu");

    // Opening the chart touches the dialogs as computing does, which fixes the unit system.
    QVERIFY(window.findChild<frmPvmtStrs*>() == nullptr);
    frmDesignChart& chart = openChart(window);
    QVERIFY(window.findChild<frmPvmtStrs*>() != nullptr);
    QVERIFY(window.findChild<frmWheel*>() != nullptr);
    QVERIFY(window.findChild<frmEnvironPct*>() != nullptr);
    QVERIFY(!child<QAction>(window, "MetricOption").isEnabled());
    QVERIFY(!child<QAction>(window, "EnglishOption").isEnabled());
    QVERIFY(chart.isVisible());
    QCOMPARE(chart.windowTitle(), QStringLiteral("Design Chart"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(prompt.messages.isEmpty());

    // The numeric fields of the case under their captions, the slab thickness first chosen.
    const QComboBox& fields = child<QComboBox>(chart, "cboField");
    QCOMPARE(fields.count(), 18);
    QCOMPARE(fields.itemText(0), QStringLiteral("Axle Load, P (lbs)"));
    QCOMPARE(fields.itemText(17), QStringLiteral("Thermal Coefficient, alpha (/oF)"));
    QCOMPARE(fields.currentText(), QStringLiteral("Slab (1st Layer) Thickness, h1 (in)"));
    QCOMPARE(fields.currentData().toInt(), static_cast<int>(Field::h1));
    QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("4"));
    QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("20"));
    QCOMPARE(child<QSpinBox>(chart, "spnPoints").value(), 41);
    QCOMPARE(child<QSpinBox>(chart, "spnPoints").maximum(), 1000);
    QVERIFY(child<QLineEdit>(chart, "txtAllowable").text().isEmpty());
    QVERIFY(note(chart).isEmpty());

    // Choosing another field starts from its typical range.
    chooseField(chart, Field::F);
    QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("40"));
    QCOMPARE(axisTitle(chart, Qt::Horizontal), QStringLiteral("Critical Temperature Differential, ΔT (oF)"));
    chooseField(chart, Field::h2);
    QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("0"));
    QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("36"));

    child<QPushButton>(chart, "cmdClose").click();
    QVERIFY(!chart.isVisible());
    openChart(window);
    QVERIFY(chart.isVisible());
    QCOMPARE(window.findChildren<frmDesignChart*>().size(), 1);
}

void DesignChartTest::seriesHaveOnePointPerSweepPoint() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);

    // The default case has its wheels at the edge with dual wheels: the edge model runs too.
    QCOMPARE(curveNames(chart),
             (QStringList{"LoadingStressOnly", "CombinedStress", "MdTopLayerStress", "MdCombinedStress"}));
    QCOMPARE(curve(chart, "LoadingStressOnly").name(), QStringLiteral("Loading Stress Only"));
    QCOMPARE(curve(chart, "CombinedStress").name(), QStringLiteral("Combined Loading & Curling Stress"));
    for (const QString& name : curveNames(chart)) {
        const QLineSeries& series = curve(chart, qPrintable(name));
        QCOMPARE(series.count(), 41);
        QCOMPARE(series.at(0).x(), 4.0);
        QCOMPARE(series.at(40).x(), 20.0);
    }

    // From 4 to 20 in 40 steps the eleventh point is h1 = 8: the case computed on its own there.
    AnalysisCase atEight = AnalysisCase::defaults(UnitSystem::English);
    atEight.h1 = "8";
    AnalysisResults results;
    computeStresses(atEight, results);
    QCOMPARE(curve(chart, "LoadingStressOnly").at(10), QPointF(8, results.LoadingStressOnly));
    QCOMPARE(curve(chart, "CombinedStress").at(10), QPointF(8, results.CombinedStress));
    QCOMPARE(curve(chart, "MdTopLayerStress").at(10), QPointF(8, results.MdTopLayerStress));
    QCOMPARE(curve(chart, "MdCombinedStress").at(10), QPointF(8, results.MdCombinedStress));

    QSpinBox& points = child<QSpinBox>(chart, "spnPoints");
    points.setValue(200);
    for (const QString& name : curveNames(chart)) {
        QCOMPARE(curve(chart, qPrintable(name)).count(), 200);
    }
    points.setValue(1000);
    QCOMPARE(curve(chart, "LoadingStressOnly").count(), 1000);
    points.setValue(5000);
    QCOMPARE(points.value(), 1000);

    enter(chart, "txtFrom", QStringLiteral("8"));
    enter(chart, "txtTo", QStringLiteral("10"));
    points.setValue(5);
    const QLineSeries& loading = curve(chart, "LoadingStressOnly");
    QCOMPARE(loading.count(), 5);
    QCOMPARE(loading.at(1).x(), 8.5);
    QCOMPARE(loading.at(4).x(), 10.0);
    QVERIFY(chart.isVisible());
}

void DesignChartTest::theChartFollowsTheDialogs() {
    Desk desk;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    QCOMPARE(curveNames(chart).size(), 4);

    // Away from the edge only the composed stresses remain; coming back to the chart draws it anew.
    trigger(window, "mnuStressAxleData");
    frmWheel& axle = child<frmWheel>(window, "frmWheel");
    child<QRadioButton>(axle, "interior_loc").click();
    child<QPushButton>(axle, "OK").click();
    QVERIFY(desk.activate(chart));
    QTRY_COMPARE(curveNames(chart), (QStringList{"LoadingStressOnly", "CombinedStress"}));

    // At the edge with single-axle tandem wheels the edge model does not run either; the menu command
    // draws the chart anew too.
    trigger(window, "mnuStressAxleData");
    child<QRadioButton>(axle, "edge_loc").click();
    child<QRadioButton>(axle, "one_two").click();
    child<QPushButton>(axle, "OK").click();
    openChart(window);
    QCOMPARE(curveNames(chart), (QStringList{"LoadingStressOnly", "CombinedStress"}));
    QCOMPARE(curve(chart, "LoadingStressOnly").count(), 41);
}

// A subgrade modulus of zero divides by zero in the radius of relative stiffness and a negative one
// takes the fourth root of a negative number: from -2 to 38 in steps of 1 the first three points
// fault.
void DesignChartTest::faultedPointsAreLeftOutAndCounted() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    chooseField(chart, Field::k);
    QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("50"));
    QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("700"));
    QVERIFY(note(chart).isEmpty());

    enter(chart, "txtFrom", QStringLiteral("-2"));
    enter(chart, "txtTo", QStringLiteral("38"));
    for (const QString& name : curveNames(chart)) {
        const QLineSeries& series = curve(chart, qPrintable(name));
        QCOMPARE(series.count(), 38);
        QCOMPARE(series.at(0).x(), 1.0);
    }
    QCOMPARE(note(chart), QStringLiteral("3 points left out: the computation faulted there."));
    QVERIFY(child<QLabel>(chart, "lblNote").isVisible());

    enter(chart, "txtFrom", QStringLiteral("0"));
    QCOMPARE(curve(chart, "LoadingStressOnly").count(), 40);
    QCOMPARE(note(chart), QStringLiteral("1 point left out: the computation faulted there."));

    // A text that is not a number goes back to the value the chart shows.
    enter(chart, "txtFrom", QStringLiteral("soft"));
    QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("0"));
    QCOMPARE(note(chart), QStringLiteral("1 point left out: the computation faulted there."));

    enter(chart, "txtFrom", QStringLiteral("1"));
    QCOMPARE(curve(chart, "LoadingStressOnly").count(), 41);
    QVERIFY(note(chart).isEmpty());
    QVERIFY(prompt.messages.isEmpty());
}

void DesignChartTest::axisTitlesInBothUnitSystems() {
    {
        ScriptedPrompt prompt;
        frmMain window(prompt);
        const frmDesignChart& chart = openChart(window);
        QCOMPARE(axisTitle(chart, Qt::Horizontal), QStringLiteral("Slab (1st Layer) Thickness, h1 (in)"));
        QCOMPARE(axisTitle(chart, Qt::Vertical), QStringLiteral("Stress (psi)"));
        QCOMPARE(child<QLabel>(chart, "lblAllowable").text(), QStringLiteral("&Allowable Stress (psi):"));
    }
    {
        ScriptedPrompt prompt;
        frmMain window(prompt);
        trigger(window, "MetricOption");
        frmDesignChart& chart = openChart(window);
        QCOMPARE(axisTitle(chart, Qt::Horizontal), QStringLiteral("Slab (1st Layer) Thickness, h1 (cm)"));
        QCOMPARE(axisTitle(chart, Qt::Vertical), QStringLiteral("Stress (kPa)"));
        QCOMPARE(child<QLabel>(chart, "lblAllowable").text(), QStringLiteral("&Allowable Stress (kPa):"));
        QCOMPARE(child<QComboBox>(chart, "cboField").itemText(0), QStringLiteral("Axle Load, P (kN)"));
        QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("10.16"));
        QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("50.8"));
        QCOMPARE(curve(chart, "LoadingStressOnly").count(), 41);

        chooseField(chart, Field::k);
        QCOMPARE(axisTitle(chart, Qt::Horizontal), QStringLiteral("Subgrade Modulus, k (kPa/mm)"));
        QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("13.55"));
        QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("189.7"));
    }
    {
        // A metric case file read while an English chart is open: the chart takes the file's unit
        // system and captions, the field's metric range, and drops the allowable stress typed in psi.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("METRIC.DEF"));
        QCOMPARE(writeCaseFile(path.toStdString(), AnalysisCase::defaults(UnitSystem::Metric)),
                 std::string());
        ScriptedPrompt prompt;
        frmMain window(prompt);
        frmDesignChart& chart = openChart(window);
        chooseField(chart, Field::k);
        enter(chart, "txtAllowable", QStringLiteral("400"));
        prompt.openNames = {path};
        trigger(window, "FileLoad");
        QVERIFY(prompt.messages.last().text.endsWith(QStringLiteral("Loaded!")));
        openChart(window);
        QCOMPARE(axisTitle(chart, Qt::Horizontal), QStringLiteral("Subgrade Modulus, K (kPa/mm)"));
        QCOMPARE(axisTitle(chart, Qt::Vertical), QStringLiteral("Stress (kPa)"));
        QCOMPARE(child<QComboBox>(chart, "cboField").currentText(),
                 QStringLiteral("Subgrade Modulus, K (kPa/mm)"));
        QCOMPARE(child<QLineEdit>(chart, "txtFrom").text(), QStringLiteral("13.55"));
        QCOMPARE(child<QLineEdit>(chart, "txtTo").text(), QStringLiteral("189.7"));
        QVERIFY(child<QLineEdit>(chart, "txtAllowable").text().isEmpty());
        QVERIFY(seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress")).isEmpty());
    }
}

void DesignChartTest::crossingOfTheAllowableStressIsMarked() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    QVERIFY(seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress")).isEmpty());
    QVERIFY(seriesNamed<QScatterSeries>(chart, QStringLiteral("Crossing")).isEmpty());

    // The loading stress falls as the slab thickens; an allowable stress halfway between its values
    // at h1 = 8 and h1 = 8.4 meets the straight line between them at 8.2. (The points are copied: a new
    // drawing replaces the series.)
    const QList<QPointF> loading = curve(chart, "LoadingStressOnly").points();
    for (int index = 1; index < loading.size(); ++index) {
        QVERIFY(loading.at(index).y() < loading.at(index - 1).y());
    }
    QCOMPARE(loading.at(10).x(), 8.0);
    QCOMPARE(loading.at(11).x(), 8.4);
    const double allowable = (loading.at(10).y() + loading.at(11).y()) / 2;
    enter(chart, "txtAllowable", QString::number(allowable, 'g', 17));

    const QList<QLineSeries*> line = seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress"));
    QCOMPARE(line.size(), 1);
    QCOMPARE(line[0]->points(), (QList<QPointF>{{4, allowable}, {20, allowable}}));
    const QList<QScatterSeries*> marks =
        seriesNamed<QScatterSeries>(chart, QStringLiteral("CrossingLoadingStressOnly"));
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0]->count(), 1);
    QVERIFY(qAbs(marks[0]->at(0).x() - 8.2) < 1e-9);
    QCOMPARE(marks[0]->at(0).y(), allowable);
    QCOMPARE(marks[0]->name(), QStringLiteral("h1 = 8.20"));
    QCOMPARE(marks[0]->color(), curve(chart, "LoadingStressOnly").color());

    // Each crossing has a label of its own inside the plot, clear of the others and of the axes, even
    // where two curves cross at the same value (without a temperature differential the loading and
    // the combined stress are one).
    QChart& plot = *child<QChartView>(chart, "chartView").chart();
    QStringList labels;
    QList<QRectF> boxes;
    QTRY_VERIFY(!plot.plotArea().isEmpty());
    for (const QGraphicsItem* item : plot.childItems()) {
        if (const auto* label = dynamic_cast<const QGraphicsSimpleTextItem*>(item);
            label && label->isVisible()) {
            labels << label->text();
            boxes << label->mapRectToParent(label->boundingRect());
        }
    }
    QCOMPARE(labels.count(QStringLiteral("h1 = 8.20")), 2);
    QCOMPARE(labels.size(), seriesNamed<QScatterSeries>(chart, QStringLiteral("Crossing")).size());
    for (qsizetype index = 0; index < boxes.size(); ++index) {
        QVERIFY(plot.plotArea().contains(boxes[index]));
        for (qsizetype other = 0; other < index; ++other) {
            QVERIFY(!boxes[index].intersects(boxes[other]));
        }
    }

    // Above every stress there is the line but no crossing; an empty text takes the line away.
    enter(chart, "txtAllowable", QStringLiteral("100000"));
    QCOMPARE(seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress")).size(), 1);
    QVERIFY(seriesNamed<QScatterSeries>(chart, QStringLiteral("Crossing")).isEmpty());
    enter(chart, "txtAllowable", QStringLiteral("strong"));
    QCOMPARE(child<QLineEdit>(chart, "txtAllowable").text(), QStringLiteral("100000"));
    QLineEdit& text = child<QLineEdit>(chart, "txtAllowable");
    text.clear();
    QTest::keyClick(&text, Qt::Key_Return);
    QVERIFY(seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress")).isEmpty());
    QCOMPARE(curveNames(chart).size(), 4);
}

void DesignChartTest::chartAndDataAreSaved() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    enter(chart, "txtAllowable", QStringLiteral("400"));

    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    const QString csv = folder.filePath(QStringLiteral("chart.csv"));
    prompt.saveNames = {png, svg, csv};
    child<QPushButton>(chart, "cmdSavePng").click();
    child<QPushButton>(chart, "cmdSaveSvg").click();
    child<QPushButton>(chart, "cmdSaveCsv").click();
    QCOMPARE(prompt.saveFilters, (QStringList{"(*.png)", "(*.svg)", "(*.csv)"}));
    QVERIFY(prompt.messages.isEmpty());

    const QImage picture(png);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), child<QChartView>(chart, "chartView").size());
    const QByteArray drawing = readFile(svg);
    QVERIFY(drawing.startsWith("<?xml"));
    QVERIFY(drawing.contains("<svg"));
    QVERIFY(drawing.contains("Stress (psi)"));
    const QList<QByteArray> rows = readFile(csv).split('\n');
    QCOMPARE(rows.size(), 43); // the header, 41 points and the empty text after the last line end
    QCOMPARE(
        rows[0],
        QByteArray("units,h1,status,LoadingStressOnly,CombinedStress,MdTopLayerStress,MdCombinedStress"));
    QVERIFY(rows[1].startsWith("english,4,ok,"));
    QVERIFY(rows[41].startsWith("english,20,ok,"));
    QVERIFY(rows[42].isEmpty());

    // A cancelled dialog writes nothing; a failed write is told in a KORVANEX box.
    prompt.clearRecord();
    child<QPushButton>(chart, "cmdSaveCsv").click();
    QCOMPARE(prompt.saveFilters.size(), 1);
    QVERIFY(prompt.messages.isEmpty());
    const QString nowhere = folder.filePath(QStringLiteral("missing/chart"));
    prompt.saveNames = {nowhere + ".png", nowhere + ".svg", nowhere + ".csv"};
    child<QPushButton>(chart, "cmdSavePng").click();
    child<QPushButton>(chart, "cmdSaveSvg").click();
    child<QPushButton>(chart, "cmdSaveCsv").click();
    QCOMPARE(prompt.messages.size(), 3);
    for (int index = 0; index < 3; ++index) {
        QCOMPARE(prompt.messages[index].title, QStringLiteral("KORVANEX"));
        QCOMPARE(prompt.messages[index].buttons, QList<UserPrompt::Button>{UserPrompt::Button::Ok});
        QCOMPARE(prompt.messages[index].icon, UserPrompt::Icon::Warning);
    }
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("The chart was not saved: ")));
    QVERIFY(prompt.messages[1].text.startsWith(QStringLiteral("The chart was not saved: ")));
    QVERIFY(prompt.messages[2].text.startsWith(QStringLiteral("The chart data was not saved: ")));
    QVERIFY(!QFile::exists(nowhere + ".csv"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(DesignChartTest)
#include "design_chart_test.moc"
