// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"
#include "case/number_text.h"
#include "widget_test.h"

#include <QCategoryAxis>
#include <QPrinter>
#include <QTableWidget>

#include <cmath>
#include <sstream>

using namespace korvanex;

namespace {

frmFatigue& openFatigue(const frmMain& window) {
    trigger(window, "mnuFatigue");
    frmFatigue& fatigue = child<frmFatigue>(window, "frmFatigue");
    waitForResults(fatigue);
    return fatigue;
}

QString summary(const frmFatigue& fatigue) {
    return child<QLabel>(fatigue, "lblSummary").text();
}

QStringList headers(const QTableView& table) {
    QStringList texts;
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        texts << table.model()->headerData(column, Qt::Horizontal).toString();
    }
    return texts;
}

QStringList row(const QTableView& table, int index) {
    QStringList texts;
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        texts << table.model()->index(index, column).data().toString();
    }
    return texts;
}

// The damage axis's labels, as many as fit the plot (so that their number depends on the fonts): "0"
// one step below powers of ten a whole number of decades apart, each label at its own power.
QString damageAxisShape(QCategoryAxis& axis) {
    const QString superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    const QStringList labels = axis.categoriesLabels();
    QList<int> powers;
    for (const QString& label : labels.mid(1)) {
        QString exponent;
        for (const QChar digit : label.mid(2)) {
            exponent += digit == u'⁻' ? QChar(u'-')
                                      : QChar(static_cast<char16_t>(u'0' + superscripts.indexOf(digit)));
        }
        if (!label.startsWith(QStringLiteral("10")) || axis.endValue(label) != exponent.toInt()) {
            return QStringLiteral("not a power of ten: ") + label;
        }
        powers << exponent.toInt();
    }
    const int step = powers.size() > 1 ? powers[1] - powers[0] : 0;
    for (qsizetype index = 1; index < powers.size(); ++index) {
        if (step < 1 || powers[index] - powers[index - 1] != step) {
            return QStringLiteral("uneven: ") + labels.join(' ');
        }
    }
    return labels.value(0) == QStringLiteral("0") && axis.endValue(labels[0]) == powers.value(0) - step
               ? QStringLiteral("damage axis: 0, then evenly spaced powers of ten")
               : QStringLiteral("no line of 0: ") + labels.join(' ');
}

// What the window shows: the modulus of rupture, both tables under their headers, the summary, the
// damage axis's labels and the chart's series with their last points.
QString describeFatigue(const frmFatigue& fatigue) {
    QString seen;
    for (const QLabel* label : fatigue.findChildren<QLabel*>()) {
        if (label->buddy() == &child<QLineEdit>(fatigue, "txtModulus")) {
            seen += label->text() + QLatin1Char(' ') + text(fatigue, "txtModulus") + QLatin1Char('\n');
        }
    }
    for (const char* name : {"tblSpectrum", "tblResults"}) {
        const QTableView& table = child<QTableView>(fatigue, name);
        seen += headers(table).join(QLatin1Char('|')) + QLatin1Char('\n');
        for (int index = 0; index < table.model()->rowCount(); ++index) {
            seen += row(table, index).join(QLatin1Char('|')) + QLatin1Char('\n');
        }
    }
    seen += summary(fatigue) + QLatin1Char('\n');
    QChart& chart = *child<QChartView>(fatigue, "chartView").chart();
    QCategoryAxis& axis = *qobject_cast<QCategoryAxis*>(chart.axes(Qt::Vertical).first());
    seen += damageAxisShape(axis) + '\n';
    for (const QAbstractSeries* series : chart.series()) {
        const QXYSeries& xy = *qobject_cast<const QXYSeries*>(series);
        const QPointF last = xy.at(xy.count() - 1);
        seen += QStringLiteral("%1: %2 points, the last at %3%4\n")
                    .arg(series->name())
                    .arg(xy.count())
                    .arg(last.x())
                    .arg(last.y() == axis.endValue(QStringLiteral("0")) ? QStringLiteral(" on the line of 0")
                                                                        : QString());
    }
    return seen;
}

// A spectrum of many groups: the example's eight rows again and again.
QString longSpectrum(const QTemporaryDir& folder, int rows) {
    const QString path = folder.filePath(QStringLiteral("long.csv"));
    QFile example(QStringLiteral(":/examples/traffic-loads.csv"));
    QFile file(path);
    if (!example.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly)) {
        return {};
    }
    const QList<QByteArray> lines = example.readAll().split('\n');
    file.write(lines[0] + '\n');
    for (int index = 0; index < rows; ++index) {
        file.write(lines[1 + index % 8] + '\n');
    }
    return path;
}

} // namespace

class FatigueWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void exampleEditsFaultsAndTheSpectrumFile();
    void aMetricRunShowsTheMetricExampleAndFollowsACaseFile();
    void dropDownsForOptionsAndAWidthThatStays();
    void aNewerRequestSupersedesTheOneRunning();
};

void FatigueWindowTest::exampleEditsFaultsAndTheSpectrumFile() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    QVERIFY(fatigue.isVisible());
    QVERIFY(shown(fatigue, "lblExample"));
    QTableWidget& spectrum = child<QTableWidget>(fatigue, "tblSpectrum");
    // The same thickness as korvanex-cli fatigue on the example spectrum with MR = 650 psi; beyond
    // 10.4 in no group does damage, and the curve runs along the line of 0.
    QVERIFY(matchesGolden("windows/fatigue.txt", describeFatigue(fatigue)));

    QTemporaryDir folder;
    prompt.saveNames << folder.filePath(QStringLiteral("spectrum.csv"));
    click(fatigue, "cmdExport");
    QFile example(QStringLiteral(":/examples/traffic-loads.csv"));
    QFile written(folder.filePath(QStringLiteral("spectrum.csv")));
    QVERIFY(example.open(QIODevice::ReadOnly) && written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), example.readAll());
    QVERIFY(prompt.messages.isEmpty());

    spectrum.item(0, 1)->setText(QStringLiteral("1E38"));
    QVERIFY(!shown(fatigue, "lblExample"));
    waitForResults(fatigue);
    const QTableView& results = child<QTableView>(fatigue, "tblResults");
    const QStringList faulted = row(results, 0);
    QCOMPARE(faulted[0], QStringLiteral("single-single"));
    QVERIFY2(faulted[3].startsWith("fault: "), qPrintable(faulted[3]));
    QCOMPARE(results.columnSpan(0, 3), 5);
    QVERIFY(summary(fatigue).startsWith("Total damage: not known: 1 group was not computed"));
    type(fatigue, "txtModulus", QStringLiteral("abc"));
    QVERIFY(!fatigue.isComputing());
    QVERIFY(summary(fatigue).startsWith("The modulus of rupture"));
    QVERIFY(!child<QLineEdit>(fatigue, "txtC1").isEnabled());
    child<QComboBox>(fatigue, "cboModel").setCurrentIndex(1);
    QVERIFY(child<QLineEdit>(fatigue, "txtC1").isEnabled());

    QFile bad(folder.filePath(QStringLiteral("bad.csv")));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("gear,P\n") == 7);
    bad.close();
    prompt.openNames << bad.fileName();
    click(fatigue, "cmdImport");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages.first().text,
             QStringLiteral("The spectrum was not read: there is no repetitions column"));
    QCOMPARE(spectrum.rowCount(), 8);
}

// A metric run starts from the metric example and 4,480 kPa, every header in metric units, its first
// result finite and in kPa; the printout is proposed in landscape. Reading an English case file, the
// open window follows it back to the English example.
void FatigueWindowTest::aMetricRunShowsTheMetricExampleAndFollowsACaseFile() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    frmFatigue& fatigue = openFatigue(window);
    QVERIFY(matchesGolden("windows/fatigue-metric.txt", describeFatigue(fatigue)));
    const QTableView& results = child<QTableView>(fatigue, "tblResults");
    QCOMPARE(headers(results)[3], QStringLiteral("Stress (kPa)"));
    bool number = false;
    QVERIFY(std::isfinite(row(results, 0)[3].toDouble(&number)) && number);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fatigue.pdf"));
    QPageLayout::Orientation proposed = QPageLayout::Portrait;
    prompt.clearRecord();
    prompt.printerSetUp = [&](QPrinter& printer) {
        proposed = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    };
    click(fatigue, "cmdPrint");
    QCOMPARE(proposed, QPageLayout::Landscape);
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(QFileInfo(path).size() > 0);

    prompt.openNames = {QStringLiteral(KORVANEX_TEST_DATA "/cases/example.DEF")};
    trigger(window, "FileLoad");
    waitForResults(fatigue);
    const QTableWidget& spectrum = child<QTableWidget>(fatigue, "tblSpectrum");
    QCOMPARE(headers(spectrum).at(1), QStringLiteral("P (lbs)"));
    QCOMPARE(row(spectrum, 0), (QStringList{"single-single", "10000", "", "2.5E6"}));
    QCOMPARE(text(fatigue, "txtModulus"), QStringLiteral("650"));
    QCOMPARE(headers(results)[3], QStringLiteral("Stress (psi)"));
}

// Option columns are edited from a drop-down of their words; numeric headers carry the case's units.
// An error in the modulus of rupture says so under the results without widening the window.
void FatigueWindowTest::dropDownsForOptionsAndAWidthThatStays() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("options.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("location,gear,layer,tied,widened,h1,repetitions\ncorner,,,yes,no,10,1e5\n");
    file.close();
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    const int width = fatigue.width();
    prompt.openNames = {path};
    click(fatigue, "cmdImport");
    QTableWidget& spectrum = child<QTableWidget>(fatigue, "tblSpectrum");
    QCOMPARE(headers(spectrum),
             (QStringList{"location", "gear", "layer", "tied", "widened", "h1 (in)", "repetitions"}));
    const QStringList choices[] = {{"(the case's)", "interior", "edge", "corner"},
                                   {"(the case's)", "single-single", "single-tandem", "single-tridem",
                                    "dual-single", "dual-tandem", "dual-tridem"},
                                   {"(the case's)", "one", "bonded", "unbonded"},
                                   {"(the case's)", "yes", "no"},
                                   {"(the case's)", "yes", "no"}};
    for (int column = 0; column < 6; ++column) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        spectrum.editItem(spectrum.item(0, column));
        QComboBox* box = spectrum.viewport()->findChild<QComboBox*>();
        QCOMPARE(box != nullptr, column < 5);
        if (box == nullptr) {
            break;
        }
        QStringList items;
        for (int item = 0; item < box->count(); ++item) {
            items << box->itemText(item);
        }
        QCOMPARE(items, choices[column]);
        QCOMPARE(box->currentData().toString(), spectrum.item(0, column)->text());
        box->setCurrentIndex(box->count() - 1);
        emit box->activated(box->count() - 1);
        QCOMPARE(spectrum.item(0, column)->text(), items.last());
    }
    waitForResults(fatigue);
    QCOMPARE(row(child<QTableView>(fatigue, "tblResults"), 0).first(), QStringLiteral("dual-tridem"));

    type(fatigue, "txtModulus", QStringLiteral("none"));
    QApplication::processEvents();
    QCOMPARE(fatigue.width(), width);
}

// Three keys typed in a row while a long spectrum computes: each returns at once, the busy mark shows,
// and only the last request's results appear, once: the table is shown once, though the first request
// had its table ready before the next key.
void FatigueWindowTest::aNewerRequestSupersedesTheOneRunning() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    prompt.openNames = {longSpectrum(folder, 4800)};
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    QSignalSpy ready(&fatigue, &frmFatigue::resultsReady);
    click(fatigue, "cmdImport");
    QLineEdit& modulus = child<QLineEdit>(fatigue, "txtModulus");
    modulus.clear();
    QSignalSpy tables(child<QTableView>(fatigue, "tblResults").model(), &QAbstractItemModel::modelReset);
    for (const char* key : {"6", "0", "0"}) {
        QTest::keyClicks(&modulus, QLatin1String(key));
        QVERIFY(fatigue.isComputing());
    }
    QTRY_VERIFY(shown(fatigue, "lblBusy"));
    QVERIFY(ready.wait(120000));
    QCOMPARE(ready.size(), 1);
    QCOMPARE(tables.size(), 1);
    QVERIFY(!shown(fatigue, "lblBusy"));
    QCOMPARE(child<QTableView>(fatigue, "tblResults").model()->rowCount(), 4800);
    // The 4800 groups are the example's 8 six hundred times over.
    QFile exampleFile(QStringLiteral(":/examples/traffic-loads.csv"));
    QVERIFY(exampleFile.open(QIODevice::ReadOnly));
    std::istringstream in(exampleFile.readAll().toStdString());
    TrafficSpectrum example;
    readSpectrum(in, AnalysisCase::defaults(UnitSystem::English), example);
    FatigueSettings settings;
    settings.modulusOfRupture = 600;
    const double total = 600 * *computeFatigue(example, settings).totalDamagePercent;
    QVERIFY2(summary(fatigue).startsWith(
                 QStringLiteral("Total damage: %1 %").arg(QString::fromStdString(formatFixed(total, 2)))),
             qPrintable(summary(fatigue)));
}

QTEST_MAIN(FatigueWindowTest)
#include "fatigue_window_test.moc"
