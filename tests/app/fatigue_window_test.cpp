// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"
#include "widget_test.h"

#include <QTableWidget>

using namespace korvanex;

namespace {

frmFatigue& openFatigue(const frmMain& window) {
    trigger(window, "mnuFatigue");
    return child<frmFatigue>(window, "frmFatigue");
}

QString summary(const frmFatigue& fatigue) {
    return child<QLabel>(fatigue, "lblSummary").text();
}

} // namespace

class FatigueWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void exampleEditsFaultsAndTheSpectrumFile();
};

void FatigueWindowTest::exampleEditsFaultsAndTheSpectrumFile() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmFatigue& fatigue = openFatigue(window);
    QVERIFY(fatigue.isVisible());
    QVERIFY(shown(fatigue, "lblExample"));
    QTableWidget& spectrum = child<QTableWidget>(fatigue, "tblSpectrum");
    QCOMPARE(spectrum.rowCount(), 8);
    // The same thickness as korvanex-cli fatigue on the example spectrum with MR = 650 psi.
    QVERIFY2(summary(fatigue).endsWith("Required slab thickness h1: 8.90 in"), qPrintable(summary(fatigue)));
    QStringList names;
    for (const QAbstractSeries* series : child<QChartView>(fatigue, "chartView").chart()->series()) {
        names << series->name();
    }
    QCOMPARE(names, (QStringList{"Total Damage", "Target 100.00 %", "Required h1 = 8.90 in"}));

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
    const QTableWidget& results = child<QTableWidget>(fatigue, "tblResults");
    QVERIFY2(results.item(0, 0)->text().startsWith("fault: "), qPrintable(results.item(0, 0)->text()));
    QCOMPARE(results.columnSpan(0, 0), 5);
    QVERIFY(summary(fatigue).startsWith("Total damage: not known: 1 group was not computed"));
    type(fatigue, "txtModulus", QStringLiteral("abc"));
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

QTEST_MAIN(FatigueWindowTest)
#include "fatigue_window_test.moc"
