#include "dialogs/axle_dialog.h"

#include "scripted_prompt.h"
#include "widget_access.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace korvanex;

using Button = UserPrompt::Button;

class AxleDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void creationSetsEnglishCaptionsDefaultsAndOptions();
    void creationInMetricUnitsSetsMetricCaptionsAndDefaults();
    void gearsShowTheSpacingsTheyUse();
    void hiddenSpacingsAreNotChecked();
    void rangeMessagesAndBoundsWrittenBack();
    void refusedOkRestoresTextsAndLeavesTheOptions();
    void cancelRestoresTextsAndOptions();
    void activationRefreshesTheRememberedCopy();
};

void AxleDialogTest::creationSetsEnglishCaptionsDefaultsAndOptions() {
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Axle Load Characteristics"));
    QCOMPARE(child<QLabel>(dialog, "P").text(), QStringLiteral("Axle Load, P (lbs)"));
    QCOMPARE(child<QLabel>(dialog, "tp").text(), QStringLiteral("Tire Pressure, p (psi)"));
    QCOMPARE(child<QLabel>(dialog, "d").text(), QStringLiteral("Transverse Wheel Spacing, d (in)"));
    QCOMPARE(text(dialog, "P_V"), QStringLiteral("18000"));
    QCOMPARE(text(dialog, "tp_V"), QStringLiteral("100"));
    QCOMPARE(text(dialog, "S_V"), QStringLiteral("12"));
    QCOMPARE(text(dialog, "t_V"), QStringLiteral("50"));
    QCOMPARE(text(dialog, "d_V"), QStringLiteral("88"));
    QVERIFY(selected(dialog, "edge_loc"));
    QVERIFY(selected(dialog, "two_one"));
    QVERIFY(shown(dialog, "S") && shown(dialog, "S_V"));
    QVERIFY(!shown(dialog, "t") && !shown(dialog, "t_V"));
    QCOMPARE(record.location, WheelLocation::Edge);
    QCOMPARE(record.gear, GearConfiguration::DualSingle);
}

void AxleDialogTest::creationInMetricUnitsSetsMetricCaptionsAndDefaults() {
    AnalysisCase record;
    record.units = UnitSystem::Metric;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);

    QCOMPARE(child<QLabel>(dialog, "P").text(), QStringLiteral("Axle Load, P (kN)"));
    QCOMPARE(child<QLabel>(dialog, "S").text(), QStringLiteral("Spacing in Dual Wheels, s (cm)"));
    QCOMPARE(text(dialog, "P_V"), QStringLiteral("80.1"));
    QCOMPARE(text(dialog, "tp_V"), QStringLiteral("689"));
    QCOMPARE(text(dialog, "S_V"), QStringLiteral("30.5"));
    QCOMPARE(text(dialog, "t_V"), QStringLiteral("127.0"));
    QCOMPARE(text(dialog, "d_V"), QStringLiteral("223.5"));
    QCOMPARE(record.P, std::string("80.1"));
}

void AxleDialogTest::gearsShowTheSpacingsTheyUse() {
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);
    struct Gear {
        const char* option;
        GearConfiguration gear;
        bool dualSpacing;
        bool longitudinalSpacing;
    };
    const Gear gears[] = {
        {"one_one", GearConfiguration::SingleSingle, false, false},
        {"one_two", GearConfiguration::SingleTandem, false, true},
        {"one_three", GearConfiguration::SingleTridem, false, true},
        {"two_one", GearConfiguration::DualSingle, true, false},
        {"two_two", GearConfiguration::DualTandem, true, true},
        {"two_three", GearConfiguration::DualTridem, true, true},
    };
    for (const Gear& gear : gears) {
        click(dialog, gear.option);
        QCOMPARE(record.gear, gear.gear);
        QCOMPARE(shown(dialog, "S_V"), gear.dualSpacing);
        QCOMPARE(shown(dialog, "S"), gear.dualSpacing);
        QCOMPARE(shown(dialog, "t_V"), gear.longitudinalSpacing);
        QCOMPARE(shown(dialog, "t"), gear.longitudinalSpacing);
        QVERIFY(shown(dialog, "P_V") && shown(dialog, "tp_V") && shown(dialog, "d_V"));
    }
    QVERIFY2(!dialog.isVisible(), "the gear options do not open the dialog");

    click(dialog, "corner_loc");
    QCOMPARE(record.location, WheelLocation::Corner);
    click(dialog, "interior_loc");
    QCOMPARE(record.location, WheelLocation::Interior);
}

void AxleDialogTest::hiddenSpacingsAreNotChecked() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    click(dialog, "one_one");
    type(dialog, "t_V", "10");
    type(dialog, "S_V", "x");
    click(dialog, "OK");

    // Single-Single shows neither spacing: both keep their texts and the dialog closes unasked.
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(record.t, std::string("10"));
    QCOMPARE(record.S, std::string("x"));
    QVERIFY(!dialog.isVisible());

    // Shown again, the spacing is checked.
    QVERIFY(desk.activate(dialog));
    click(dialog, "one_two");
    prompt.answers = {Button::Yes};
    click(dialog, "OK");
    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].text,
             QStringLiteral(
                 "t is not within the typical data range( 24,  100). Accept the suggested minimum value?"));
    QCOMPARE(record.t, std::string("24"));
}

void AxleDialogTest::rangeMessagesAndBoundsWrittenBack() {
    {
        Desk desk;
        AnalysisCase record;
        ScriptedPrompt prompt;
        frmWheel dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "d_V", "250");
        type(dialog, "S_V", "3");
        prompt.answers = {Button::No, Button::Yes};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 3);
        QCOMPARE(prompt.messages[0].text,
                 QStringLiteral(
                     "s is not within the typical data range( 4,  36). Accept the suggested minimum value?"));
        QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
        QCOMPARE(prompt.messages[1].text, QStringLiteral("Keep the s input value anyway!"));
        QCOMPARE(
            prompt.messages[2].text,
            QStringLiteral(
                "d is not within the typical data range( 30,  200). Accept the suggested maximum value?"));
        QCOMPARE(text(dialog, "S_V"), QStringLiteral("3"));
        QCOMPARE(text(dialog, "d_V"), QStringLiteral("200"));
        QVERIFY(!dialog.isVisible());
    }
    {
        Desk desk;
        AnalysisCase record;
        record.units = UnitSystem::Metric;
        ScriptedPrompt prompt;
        frmWheel dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "tp_V", "300");
        type(dialog, "P_V", "445");
        prompt.answers = {Button::Yes};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages[0].text,
                 QStringLiteral("p is not within the typical data range( 413.4,  1378). "
                                "Accept the suggested minimum value?"));
        QCOMPARE(text(dialog, "tp_V"), QStringLiteral("413.4"));
        QCOMPARE(text(dialog, "P_V"), QStringLiteral("445"));
    }
}

void AxleDialogTest::refusedOkRestoresTextsAndLeavesTheOptions() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    click(dialog, "two_two");
    click(dialog, "corner_loc");
    type(dialog, "P_V", "-18000");
    type(dialog, "d_V", "90");
    click(dialog, "OK");

    QCOMPARE(prompt.messages.size(), 1);
    QCOMPARE(prompt.messages[0].text, QStringLiteral("P is an invalid number; please try again!"));
    QCOMPARE(prompt.messages[0].buttons, (QList<Button>{Button::Cancel, Button::TryAgain, Button::Continue}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(text(dialog, "P_V"), QStringLiteral("18000"));
    QCOMPARE(text(dialog, "d_V"), QStringLiteral("88"));
    QVERIFY(selected(dialog, "two_two") && selected(dialog, "corner_loc"));

    // The selections remembered at activation are still those Cancel puts back.
    click(dialog, "Cancel");
    QVERIFY(selected(dialog, "two_one") && selected(dialog, "edge_loc"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void AxleDialogTest::cancelRestoresTextsAndOptions() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    click(dialog, "two_two");
    click(dialog, "interior_loc");
    type(dialog, "t_V", "60");
    QVERIFY(shown(dialog, "t_V"));
    click(dialog, "Cancel");

    QVERIFY(!dialog.isVisible());
    QVERIFY(selected(dialog, "two_one") && !selected(dialog, "two_two"));
    QVERIFY(selected(dialog, "edge_loc"));
    QVERIFY(!shown(dialog, "t") && !shown(dialog, "t_V"));
    QVERIFY(shown(dialog, "S_V"));
    QCOMPARE(text(dialog, "t_V"), QStringLiteral("50"));
    QCOMPARE(record.gear, GearConfiguration::DualSingle);
    QCOMPARE(record.location, WheelLocation::Edge);
    QCOMPARE(record.t, std::string("50"));

    // An accepted OK makes the current options the remembered ones.
    QVERIFY(desk.activate(dialog));
    click(dialog, "one_two");
    click(dialog, "OK");
    QVERIFY(desk.activate(dialog));
    click(dialog, "one_one");
    click(dialog, "Cancel");
    QVERIFY(selected(dialog, "one_two"));
    QVERIFY(!shown(dialog, "S_V") && shown(dialog, "t_V"));
}

void AxleDialogTest::activationRefreshesTheRememberedCopy() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmWheel dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "P_V", "20000");
    click(dialog, "one_three");

    QVERIFY(desk.activate(dialog));
    type(dialog, "P_V", "22000");
    click(dialog, "two_three");
    click(dialog, "Cancel");
    QCOMPARE(text(dialog, "P_V"), QStringLiteral("20000"));
    QVERIFY(selected(dialog, "one_three"));
}

QTEST_MAIN(AxleDialogTest)
#include "axle_dialog_test.moc"
