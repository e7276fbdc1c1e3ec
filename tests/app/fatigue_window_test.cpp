// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"
#include "widget_test.h"

#include <QCategoryAxis>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTableWidget>

using namespace korvanex;

namespace {

frmFatigue& openFatigue(const frmMain& window) {
    return openTool<frmFatigue>(window, "mnuFatigue", "frmFatigue");
}

QString summary(const frmFatigue& fatigue) {
    return child<QLabel>(fatigue, "lblSummary").text();
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
    if (chart.axes(Qt::Vertical).isEmpty()) {
        return seen + QStringLiteral("no chart\n");
    }
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

} // namespace

class FatigueWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void exampleEditsFaultsAndTheSpectrumFile();
    void aMetricRunShowsTheMetricExampleAndFollowsACaseFile();
    void dropDownsForOptionsAndAWidthThatStays();
    void aDesignFileKeepsTheDialogsTheSpectrumTrafficAndSettings();
    void withoutScatterTheSimulatedDesignIsTheDeterministicOne();
    void reliabilityRefusalsAndCancel();
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
    QCOMPARE(readFile(folder.filePath(QStringLiteral("spectrum.csv"))),
             readFile(QStringLiteral(":/examples/traffic-loads.csv")));
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

    prompt.openNames << writeFile(folder.filePath(QStringLiteral("bad.csv")), "gear,P\n");
    click(fatigue, "cmdImport");
    QCOMPARE(prompt.texts(),
             QStringList{QStringLiteral("The spectrum was not read: there is no repetitions column")});
    QCOMPARE(spectrum.rowCount(), 8);
}

// A metric run starts from the metric example and 4,480 kPa; the printout is proposed in landscape.
// Reading an English case file, the open window follows it back to the English example.
void FatigueWindowTest::aMetricRunShowsTheMetricExampleAndFollowsACaseFile() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    trigger(window, "MetricOption");
    frmFatigue& fatigue = openFatigue(window);
    QVERIFY(matchesGolden("windows/fatigue-metric.txt", describeFatigue(fatigue)));

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
    QCOMPARE(headers(child<QTableView>(fatigue, "tblResults"))[3], QStringLiteral("Stress (psi)"));
}

// Option columns are edited from a drop-down of their words; numeric headers carry the case's units.
// An error in the modulus of rupture says so under the results without widening the window.
void FatigueWindowTest::dropDownsForOptionsAndAWidthThatStays() {
    QTemporaryDir folder;
    const QString path =
        writeFile(folder.filePath(QStringLiteral("options.csv")),
                  "location,gear,layer,tied,widened,h1,repetitions\ncorner,,,yes,no,10,1e5\n");
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    const int width = fatigue.width();
    prompt.openNames = {path};
    click(fatigue, "cmdImport");
    QTableWidget& spectrum = child<QTableWidget>(fatigue, "tblSpectrum");
    QCOMPARE(headers(spectrum),
             (QStringList{"location", "gear", "layer", "tied", "widened", "h1 (in)", "repetitions"}));
    const QStringList yesNo = {"(the case's)", "yes", "no"};
    const QStringList choices[] = {{"(the case's)", "interior", "edge", "corner"},
                                   {"(the case's)", "single-single", "single-tandem", "single-tridem",
                                    "dual-single", "dual-tandem", "dual-tridem"},
                                   {"(the case's)", "one", "bonded", "unbonded"},
                                   yesNo,
                                   yesNo};
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

// Ticks the Reliability section with the scatter given ({input's row, COV, distribution's index}), the
// samples and the target reliability.
void simulate(frmFatigue& fatigue, std::initializer_list<std::tuple<int, const char*, int>> scatter,
              const QString& samples, const QString& reliability) {
    child<QGroupBox>(fatigue, "grpReliability").setChecked(true);
    QTableWidget& table = child<QTableWidget>(fatigue, "tblScatter");
    for (const auto& [row, cov, distribution] : scatter) {
        table.item(row, 0)->setText(QLatin1String(cov));
        qobject_cast<QComboBox*>(table.cellWidget(row, 1))->setCurrentIndex(distribution);
    }
    type(fatigue, "txtSamples", samples);
    type(fatigue, "txtReliability", reliability);
}

// The Reliability section as it stands: ticked or not, then each input's COV and distribution.
QString describeScatter(const frmFatigue& fatigue) {
    QString seen = child<QGroupBox>(fatigue, "grpReliability").isChecked() ? QStringLiteral("ticked")
                                                                           : QStringLiteral("not ticked");
    const QTableWidget& table = child<QTableWidget>(fatigue, "tblScatter");
    for (int row = 0; row < table.rowCount(); ++row) {
        seen += QStringLiteral(" %1 %2 %3")
                    .arg(table.verticalHeaderItem(row)->text(), table.item(row, 0)->text(),
                         qobject_cast<const QComboBox*>(table.cellWidget(row, 1))->currentText());
    }
    return seen;
}

// Everything a design restores, as the dialogs and the design window show it.
QStringList describeDesign(frmMain& window) {
    frmFatigue& fatigue = child<frmFatigue>(window, "frmFatigue");
    waitForResults(fatigue);
    QStringList seen;
    for (const char* dialog : {"frmPvmtStrs", "frmWheel", "frmEnvironPct"}) {
        seen << describe(child<QWidget>(window, dialog));
    }
    return seen << describe(fatigue) << describeFatigue(fatigue) << describeScatter(fatigue)
                << child<QComboBox>(fatigue, "cboModel").currentText()
                << child<QComboBox>(fatigue, "cboStress").currentText();
}

// A design saved in one run and opened in the next shows the same dialogs, options a case file lacks
// included, and the same spectrum, truck traffic, settings, scatter and results, simulated ones included. The
// traffic of ADTT 1,000 with 3 % growth over 25 years, half of it in the design direction and all in the
// design lane, gives G = ((1.03)^25 - 1) / 0.03 = 36.459 and turns 0.19 axle groups per 1,000 trucks into
// 0.19 x 365 x 36.459 x 0.5 = 1,264.2 repetitions; the traffic opens only for such a spectrum.
void FatigueWindowTest::aDesignFileKeepsTheDialogsTheSpectrumTrafficAndSettings() {
    QTemporaryDir folder;
    const QString trucks = writeFile(folder.filePath(QStringLiteral("trucks.csv")),
                                     "gear,P,per_1000_trucks\nsingle-single,130,0.19\ndual-tandem,200,1.5\n");
    const QString design = folder.filePath(QStringLiteral("design.kvx"));
    QStringList saved;
    {
        ScriptedPrompt prompt;
        frmMain window(prompt);
        trigger(window, "MetricOption");
        prompt.clearRecord();
        trigger(window, "mnutStressPavementData");
        frmPvmtStrs& pavement = child<frmPvmtStrs>(window, "frmPvmtStrs");
        click(pavement, "two_bond");
        click(pavement, "OptTiedYes");
        click(pavement, "OptWidenedYes");
        type(pavement, "h1_V", QStringLiteral("25"));
        type(pavement, "AGG_V", QStringLiteral("20000"));
        type(pavement, "d0_V", QStringLiteral("60"));
        trigger(window, "mnuStressAxleData");
        type(child<QWidget>(window, "frmWheel"), "d_V", QStringLiteral("180"));
        frmFatigue& fatigue = openFatigue(window);
        QVERIFY(!child<QLineEdit>(fatigue, "txtADTT").isEnabled());
        prompt.openNames = {trucks};
        click(fatigue, "cmdImport");
        QVERIFY(child<QLineEdit>(fatigue, "txtADTT").isEnabled());
        QVERIFY(summary(fatigue).startsWith(QStringLiteral("ADTT must be a number greater than 0.")));
        type(fatigue, "txtADTT", QStringLiteral("1000"));
        type(fatigue, "txtGrowth", QStringLiteral("3"));
        type(fatigue, "txtYears", QStringLiteral("25"));
        type(fatigue, "txtModulus", QStringLiteral("600"));
        child<QComboBox>(fatigue, "cboModel").setCurrentIndex(1);
        type(fatigue, "txtC1", QStringLiteral("2.5"));
        child<QComboBox>(fatigue, "cboStress").setCurrentIndex(1);
        type(fatigue, "txtTarget", QStringLiteral("2"));
        simulate(fatigue, {{0, "0.04", 1}, {3, "0.1", 1}, {5, "0.2", 0}}, QStringLiteral("300"),
                 QStringLiteral("95"));
        type(fatigue, "txtSeed", QStringLiteral("7"));
        waitForResults(fatigue);
        QVERIFY(child<QLabel>(fatigue, "lblGrowthFactor").text().startsWith("Growth factor G: 36.459;"));
        QCOMPARE(row(child<QTableView>(fatigue, "tblResults"), 0)[6], QStringLiteral("1.264E+03"));
        prompt.saveNames = {design};
        trigger(window, "FileSaveDesign");
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("design.kvx[*] - KORVANEX Stress Analysis Program"));
        saved = describeDesign(window);
    }
    ScriptedPrompt prompt;
    frmMain window(prompt);
    prompt.openNames = {design};
    trigger(window, "FileOpenDesign");
    QCOMPARE(prompt.texts(), QStringList{design + QStringLiteral("  Loaded!")});
    const QStringList opened = describeDesign(window);
    for (qsizetype part = 0; part < saved.size(); ++part) {
        QCOMPARE(opened[part].split(QLatin1Char('\n')), saved[part].split(QLatin1Char('\n')));
    }
    QVERIFY(child<QAction>(window, "MetricOption").isChecked());
}

// With no input scattered every sample is the case itself: the reliability is 100 % where the
// deterministic damage is within the target and 0 % where it is not, so the thickness at any
// reliability is the deterministic one and the reliability curve steps from 0 to 100 % there.
void FatigueWindowTest::withoutScatterTheSimulatedDesignIsTheDeterministicOne() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    QVERIFY(!shown(fatigue, "grpSimulated"));
    type(fatigue, "txtModulus", QStringLiteral("550"));
    simulate(fatigue, {}, QStringLiteral("50"), QStringLiteral("90"));
    QVERIFY(shown(fatigue, "grpSimulated"));
    waitForResults(fatigue);
    const QString simulated = child<QPlainTextEdit>(fatigue, "txtSimulated").toPlainText();
    QVERIFY2(simulated.contains(QStringLiteral("Probability of failure: 100.00 %")), qPrintable(simulated));
    const QString deterministic = simulated.section(QStringLiteral("deterministic: "), 1).section('\n', 0, 0);
    QVERIFY2(deterministic.endsWith(QStringLiteral(" in")), qPrintable(simulated));
    QVERIFY(simulated.contains(QStringLiteral("at 90 % reliability: ") + deterministic));
    QVERIFY(summary(fatigue).endsWith(QStringLiteral("Required slab thickness h1: ") + deterministic));
    QVERIFY(!child<QLabel>(fatigue, "lblHistogram").pixmap().isNull());

    const double required = deterministic.chopped(3).toDouble();
    QChart& chart = *child<QChartView>(fatigue, "chartView").chart();
    const QXYSeries* reliability = nullptr;
    for (QAbstractSeries* series : chart.series()) {
        reliability = series->objectName() == QStringLiteral("Reliability") ? qobject_cast<QXYSeries*>(series)
                                                                            : reliability;
    }
    QVERIFY(reliability != nullptr);
    QCOMPARE(reliability->count(), 17);
    for (const QPointF& point : reliability->points()) {
        QCOMPARE(point.y(), point.x() < required ? 0.0 : 100.0);
    }
}

// A reliability setting out of range is said where the simulated design shows, the deterministic design
// computed all the same, and kept from the design file. Cancel stops a long simulation: nothing more
// comes, and the window says so.
void FatigueWindowTest::reliabilityRefusalsAndCancel() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    const QPlainTextEdit& simulated = child<QPlainTextEdit>(fatigue, "txtSimulated");
    const std::tuple<const char*, const char*, const char*> refused[] = {
        {"txtSamples", "0", "The number of samples must be a whole number from 1 to 10000000."},
        {"txtSamples", "1e4", "The number of samples must be a whole number from 1 to 10000000."},
        {"txtSeed", "-1", "The seed must be a whole number from 0 to 18446744073709551615."},
        {"txtReliability", "100.5",
         "The target reliability must be a number greater than 0 and at most 100."},
    };
    simulate(fatigue, {}, QStringLiteral("100"), QStringLiteral("90"));
    for (const auto& [field, typed, why] : refused) {
        const QString kept = text(fatigue, field);
        type(fatigue, field, QLatin1String(typed));
        waitForResults(fatigue);
        QCOMPARE(simulated.toPlainText(), QLatin1String(why));
        QVERIFY(summary(fatigue).contains(QStringLiteral("Required slab thickness h1: 8.90 in")));
        prompt.clearRecord();
        trigger(window, "FileSaveDesign");
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("The design was not saved. ") + QLatin1String(why)});
        type(fatigue, field, kept);
    }
    child<QTableWidget>(fatigue, "tblScatter").item(3, 0)->setText(QStringLiteral("2.5"));
    QCOMPARE(simulated.toPlainText(), QStringLiteral("The COV of MR must be a number from 0 to 2."));

    child<QTableWidget>(fatigue, "tblScatter").item(3, 0)->setText(QStringLiteral("0.1"));
    type(fatigue, "txtSamples", QStringLiteral("1000000"));
    QVERIFY(fatigue.isComputing());
    QVERIFY(shown(fatigue, "pbrProgress") && shown(fatigue, "cmdCancel"));
    click(fatigue, "cmdCancel");
    QVERIFY(!fatigue.isComputing());
    QVERIFY(!shown(fatigue, "pbrProgress") && !shown(fatigue, "cmdCancel"));
    QCOMPARE(simulated.toPlainText(), QStringLiteral("Cancelled."));
}

QTEST_MAIN(FatigueWindowTest)
#include "fatigue_window_test.moc"
