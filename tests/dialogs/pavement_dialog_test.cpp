#include "dialogs/pavement_dialog.h"

#include "scripted_prompt.h"
#include "widget_access.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

const char* const CheckedFields[] = {"h1_V", "E1_V", "r1_V", "mu1_V", "L_V",  "W_V",
                                     "k_V",  "h2_V", "E2_V", "d0_V",  "AGG_V"};

} // namespace

class PavementDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void creationSetsEnglishCaptionsDefaultsAndOptions();
    void creationInMetricUnitsSetsMetricCaptionsAndDefaults();
    void typingAndSelectingEditTheCaseAtOnce();
    void refusedOkRestoresTextsRememberedAtActivation();
    void refusedOkRemembersTheLayerAndYesOptionsOnly();
    void cancelRestoresTextsAndOptionsAndHidesFieldsAgain();
    void activationRefreshesTheRememberedCopy();
    void hiddenFieldsAreNotChecked();
    void rangeMessagesAndBoundsWrittenBack();
    void invalidNumberAndKeepValueBoxes();
    void anOptionSelectedWhileClosedOpensTheDialog();
};

void PavementDialogTest::creationSetsEnglishCaptionsDefaultsAndOptions() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Pavement Data"));
    QCOMPARE(child<QLabel>(dialog, "h1").text(), QStringLiteral("Slab (1st Layer) Thickness, h1 (in)"));
    QCOMPARE(child<QLabel>(dialog, "gr1").text(), QStringLiteral("Slab (1st Layer) Unit Weight, γ1 (pci)"));
    QCOMPARE(child<QLabel>(dialog, "W").text(), QStringLiteral("Slab Weight, W (ft)"));
    QCOMPARE(child<QLabel>(dialog, "D0").text(), QStringLiteral("Widende Outer Lane, D0 (in)"));
    const QStringList englishDefaults = {"9.5", "4000000", "0.087",   "0.15", "15",   "12",
                                         "130", "6",       "2000000", "24",   "25000"};
    for (int index = 0; index < englishDefaults.size(); ++index) {
        QCOMPARE(text(dialog, CheckedFields[index]), englishDefaults[index]);
    }
    QCOMPARE(text(dialog, "r2_V"), QStringLiteral("0.085"));
    QCOMPARE(text(dialog, "mu2_V"), QStringLiteral("0.15"));
    QCOMPARE(record.h1, std::string("9.5"));

    QVERIFY(selected(dialog, "one"));
    QVERIFY(selected(dialog, "OptTiedNo"));
    QVERIFY(selected(dialog, "OptWidenedNo"));
    for (const char* hidden :
         {"h2", "h2_V", "E2", "E2_V", "AGG", "AGG_V", "D0", "d0_V", "gr2", "r2_V", "mu2", "mu2_V"}) {
        QVERIFY2(!shown(dialog, hidden), hidden);
    }
    QVERIFY(shown(dialog, "k_V"));
}

void PavementDialogTest::creationInMetricUnitsSetsMetricCaptionsAndDefaults() {
    Desk desk;
    AnalysisCase record;
    record.units = UnitSystem::Metric;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);

    QCOMPARE(child<QLabel>(dialog, "k").text(), QStringLiteral("Subgrade Modulus, k (kPa/mm)"));
    QCOMPARE(child<QLabel>(dialog, "gr1").text(),
             QStringLiteral("Slab (1st Layer) Unit Weight, γ1 (kg/m^3)"));
    const QStringList metricDefaults = {"24.1",  "27560000", "2410",     "0.15", "4.57",  "3.66",
                                        "35.23", "15.2",     "13780000", "61.0", "172250"};
    for (int index = 0; index < metricDefaults.size(); ++index) {
        QCOMPARE(text(dialog, CheckedFields[index]), metricDefaults[index]);
    }
    QCOMPARE(text(dialog, "r2_V"), QStringLiteral("0.085"));
}

void PavementDialogTest::typingAndSelectingEditTheCaseAtOnce() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));

    QLineEdit& thickness = child<QLineEdit>(dialog, "h1_V");
    thickness.selectAll();
    QTest::keyClicks(&thickness, "10.5");
    QCOMPARE(record.h1, std::string("10.5"));

    click(dialog, "two_unbond");
    QCOMPARE(record.layer, LayerType::TwoLayerUnbonded);
    click(dialog, "OptTiedYes");
    QVERIFY(record.tiedShoulder);
    click(dialog, "OptWidenedYes");
    QVERIFY(record.widenedLane);
    QVERIFY(shown(dialog, "h2_V") && shown(dialog, "E2_V") && shown(dialog, "AGG_V") &&
            shown(dialog, "d0_V"));
    QVERIFY(prompt.messages.isEmpty());
}

void PavementDialogTest::refusedOkRestoresTextsRememberedAtActivation() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));

    type(dialog, "h1_V", "abc");
    type(dialog, "W_V", "13");  // valid, but discarded with the rest
    type(dialog, "E2_V", "-1"); // hidden, not checked, but fails the acceptance test too
    click(dialog, "OK");

    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].title, QStringLiteral("Input Data Check"));
    QCOMPARE(prompt.messages[0].text, QStringLiteral("h1 is an invalid number; please try again!"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(text(dialog, "h1_V"), QStringLiteral("9.5"));
    QCOMPARE(text(dialog, "W_V"), QStringLiteral("12"));
    QCOMPARE(text(dialog, "E2_V"), QStringLiteral("2000000"));
    QCOMPARE(record.W, std::string("12"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

// A refused OK refreshes the remembered layer and Yes options, not the No options: Cancel afterwards
// keeps the layer chosen before OK, and a No option selected before OK is cleared with its partner.
void PavementDialogTest::refusedOkRemembersTheLayerAndYesOptionsOnly() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    click(dialog, "OptTiedYes");
    click(dialog, "OK");
    QVERIFY(!dialog.isVisible());

    QVERIFY(desk.activate(dialog)); // remembers Tied Yes selected and Tied No cleared
    click(dialog, "two_bond");
    click(dialog, "OptTiedNo");
    type(dialog, "h1_V", "abc");
    click(dialog, "OK");
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompt.messages.size(), 1);

    click(dialog, "Cancel");
    QVERIFY(!dialog.isVisible());
    QVERIFY(selected(dialog, "two_bond"));
    QVERIFY(shown(dialog, "h2_V") && shown(dialog, "E2_V"));
    QCOMPARE(record.layer, LayerType::TwoLayerBonded);
    QVERIFY(!selected(dialog, "OptTiedYes"));
    QVERIFY(!selected(dialog, "OptTiedNo"));
    QVERIFY(!shown(dialog, "AGG_V"));
    QVERIFY(!record.tiedShoulder);
}

void PavementDialogTest::cancelRestoresTextsAndOptionsAndHidesFieldsAgain() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));

    type(dialog, "h1_V", "10");
    click(dialog, "two_bond");
    type(dialog, "h2_V", "7");
    click(dialog, "OptWidenedYes");
    type(dialog, "d0_V", "30");
    click(dialog, "OptTiedYes");
    click(dialog, "Cancel");

    QVERIFY(!dialog.isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QCOMPARE(text(dialog, "h1_V"), QStringLiteral("9.5"));
    QCOMPARE(text(dialog, "h2_V"), QStringLiteral("6"));
    QCOMPARE(text(dialog, "d0_V"), QStringLiteral("24"));
    QVERIFY(selected(dialog, "one") && !selected(dialog, "two_bond"));
    QVERIFY(selected(dialog, "OptTiedNo") && selected(dialog, "OptWidenedNo"));
    for (const char* hidden : {"h2", "h2_V", "E2", "E2_V", "AGG", "AGG_V", "D0", "d0_V"}) {
        QVERIFY2(!shown(dialog, hidden), hidden);
    }
    QCOMPARE(record.h1, std::string("9.5"));
    QCOMPARE(record.layer, LayerType::OneLayer);
    QVERIFY(!record.tiedShoulder && !record.widenedLane);

    // Cancel puts back hidden fields shown too.
    QVERIFY(desk.activate(dialog));
    click(dialog, "two_unbond");
    QVERIFY(desk.activate(dialog));
    click(dialog, "one");
    click(dialog, "Cancel");
    QVERIFY(selected(dialog, "two_unbond"));
    QVERIFY(shown(dialog, "h2_V") && shown(dialog, "E2"));
}

void PavementDialogTest::activationRefreshesTheRememberedCopy() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "h1_V", "10");

    QVERIFY(desk.activate(dialog));
    type(dialog, "h1_V", "abc");
    type(dialog, "k_V", "200");
    click(dialog, "OK");
    QCOMPARE(text(dialog, "h1_V"), QStringLiteral("10"));
    QCOMPARE(text(dialog, "k_V"), QStringLiteral("130"));
}

void PavementDialogTest::hiddenFieldsAreNotChecked() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));

    // One layer, no shoulder, no widening: h2, E2, d0 and AGG are out of range but not checked.
    type(dialog, "h2_V", "100");
    type(dialog, "E2_V", "1");
    type(dialog, "d0_V", "100");
    type(dialog, "AGG_V", "9000000");
    click(dialog, "OK");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(!dialog.isVisible());

    // A hidden text is not checked at all: it is kept as it is, and the dialog closes.
    QVERIFY(desk.activate(dialog));
    type(dialog, "h2_V", "x");
    click(dialog, "OK");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(text(dialog, "h2_V"), QStringLiteral("x"));
    type(dialog, "h2_V", "100");

    // Tied shoulder Yes, widened lane No: AGG is range-checked, d0 is not.
    click(dialog, "OptTiedYes");
    prompt.answers = {Button::No};
    click(dialog, "OK");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(
        prompt.messages[0].text,
        QStringLiteral(
            "AGG is not within the typical data range( 0,  5000000). Accept the suggested maximum value?"));
    QCOMPARE(prompt.messages[1].text, QStringLiteral("Keep the AGG input value anyway!"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(text(dialog, "AGG_V"), QStringLiteral("9000000"));

    // With the widened lane Yes, d0 is checked before AGG.
    prompt.clearRecord();
    QVERIFY(desk.activate(dialog));
    click(dialog, "OptWidenedYes");
    prompt.answers = {Button::Yes, Button::Yes};
    click(dialog, "OK");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[0].text,
             QStringLiteral(
                 "d0 is not within the typical data range( 0,  48). Accept the suggested maximum value?"));
    QCOMPARE(text(dialog, "d0_V"), QStringLiteral("48"));
    QCOMPARE(text(dialog, "AGG_V"), QStringLiteral("5000000"));

    // A second layer gets its fields checked, h2 before E2.
    prompt.clearRecord();
    QVERIFY(desk.activate(dialog));
    click(dialog, "two_bond");
    prompt.answers = {Button::Yes, Button::Yes};
    click(dialog, "OK");
    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[0].text,
             QStringLiteral(
                 "h2 is not within the typical data range( 0,  36). Accept the suggested maximum value?"));
    QCOMPARE(prompt.messages[1].text,
             QStringLiteral("E2 is not within the typical data range( 10000,  3000000). "
                            "Accept the suggested minimum value?"));
    QCOMPARE(text(dialog, "h2_V"), QStringLiteral("36"));
    QCOMPARE(text(dialog, "E2_V"), QStringLiteral("10000"));
}

void PavementDialogTest::rangeMessagesAndBoundsWrittenBack() {
    {
        Desk desk;
        AnalysisCase record;
        ScriptedPrompt prompt;
        frmPvmtStrs dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "W_V", "16");
        type(dialog, "r1_V", "0.1");
        type(dialog, "k_V", "700");
        prompt.answers = {Button::Yes, Button::Yes};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages[0].title, QStringLiteral("Input Data Check"));
        QCOMPARE(prompt.messages[0].buttons, (QList<Button>{Button::Yes, Button::No}));
        QCOMPARE(
            prompt.messages[0].text,
            QStringLiteral(
                "γ1 is not within the typical data range( .08,  .09). Accept the suggested maximum value?"));
        QCOMPARE(prompt.messages[1].text,
                 QStringLiteral(
                     "W is not within the typical data range( 8,  14). Accept the suggested maximum value?"));
        QCOMPARE(text(dialog, "r1_V"), QStringLiteral(".09"));
        QCOMPARE(text(dialog, "W_V"), QStringLiteral("14"));
        QCOMPARE(text(dialog, "k_V"), QStringLiteral("700"));
        QCOMPARE(record.r1, std::string(".09"));
        QVERIFY(!dialog.isVisible());
    }
    {
        Desk desk;
        AnalysisCase record;
        record.units = UnitSystem::Metric;
        ScriptedPrompt prompt;
        frmPvmtStrs dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "E1_V", "60000000");
        type(dialog, "h1_V", "10.16");
        prompt.answers = {Button::Yes};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages[0].text,
                 QStringLiteral("E1 is not within the typical data range( 3445000,  5.512E+07). "
                                "Accept the suggested maximum value?"));
        QCOMPARE(text(dialog, "E1_V"), QStringLiteral("5.512E+07"));
        QVERIFY(!dialog.isVisible());
    }
}

void PavementDialogTest::invalidNumberAndKeepValueBoxes() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "h1_V", "3");
    type(dialog, "mu1_V", "-0.2");
    prompt.answers = {Button::No, Button::TryAgain};
    click(dialog, "OK");

    QCOMPARE(prompt.messages.size(), 3);
    QCOMPARE(prompt.messages[0].text,
             QStringLiteral(
                 "h1 is not within the typical data range( 4,  20). Accept the suggested minimum value?"));
    QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
    QCOMPARE(prompt.messages[1].text, QStringLiteral("Keep the h1 input value anyway!"));
    QCOMPARE(prompt.messages[1].buttons, QList<Button>{Button::Ok});
    QCOMPARE(prompt.messages[2].title, QStringLiteral("Input Data Check"));
    QCOMPARE(prompt.messages[2].text, QStringLiteral("μ1 is an invalid number; please try again!"));
    QCOMPARE(prompt.messages[2].buttons, (QList<Button>{Button::Cancel, Button::TryAgain, Button::Continue}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(text(dialog, "h1_V"), QStringLiteral("9.5"));
    QCOMPARE(text(dialog, "mu1_V"), QStringLiteral("0.15"));
}

void PavementDialogTest::anOptionSelectedWhileClosedOpensTheDialog() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(!dialog.isVisible());

    dialog.selectLayer(LayerType::TwoLayerUnbonded);
    QVERIFY(dialog.isVisible());
    QVERIFY(selected(dialog, "two_unbond"));
    QVERIFY(shown(dialog, "h2_V") && shown(dialog, "E2_V"));
    QCOMPARE(record.layer, LayerType::TwoLayerUnbonded);
}

QTEST_MAIN(PavementDialogTest)
#include "pavement_dialog_test.moc"
