#include "dialogs/environment_dialog.h"

#include "scripted_prompt.h"
#include "widget_access.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace korvanex;

using Button = UserPrompt::Button;

class EnvironmentDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void creationSetsCaptionsAndDefaultsOfEachSystem();
    void defaultsPassWithoutMessage();
    void rangeMessagesAndBoundsWrittenBack();
    void invalidNumbersKeepTheDialogOpenWithRememberedTexts();
    void cancelRestoresTextsRememberedAtActivation();
};

void EnvironmentDialogTest::creationSetsCaptionsAndDefaultsOfEachSystem() {
    AnalysisCase english;
    ScriptedPrompt prompt;
    frmEnvironPct englishDialog(english, prompt, nullptr);
    QCOMPARE(englishDialog.windowTitle(), QStringLiteral("Environmental Data"));
    QCOMPARE(child<QLabel>(englishDialog, "F").text(),
             QStringLiteral("Critical Temperature Differential, ΔT (oF)"));
    QCOMPARE(child<QLabel>(englishDialog, "alp").text(), QStringLiteral("Thermal Coefficient, alpha (/oF)"));
    QCOMPARE(text(englishDialog, "F_V"), QStringLiteral("0"));
    QCOMPARE(text(englishDialog, "alp_V"), QStringLiteral("5.5E-06"));

    AnalysisCase metric;
    metric.units = UnitSystem::Metric;
    frmEnvironPct metricDialog(metric, prompt, nullptr);
    QCOMPARE(child<QLabel>(metricDialog, "F").text(),
             QStringLiteral("Critical Temperature Differential, ΔT (oC)"));
    QCOMPARE(child<QLabel>(metricDialog, "alp").text(), QStringLiteral("Thermal Coefficient, alpha (/oC)"));
    QCOMPARE(text(metricDialog, "alp_V"), QStringLiteral("9.9E-06"));
    QCOMPARE(metric.alp, std::string("9.9E-06"));
}

void EnvironmentDialogTest::defaultsPassWithoutMessage() {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        Desk desk;
        AnalysisCase record;
        record.units = units;
        ScriptedPrompt prompt;
        frmEnvironPct dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        click(dialog, "OK");
        QVERIFY(prompt.messages.isEmpty());
        QVERIFY(!dialog.isVisible());
    }
}

void EnvironmentDialogTest::rangeMessagesAndBoundsWrittenBack() {
    {
        Desk desk;
        AnalysisCase record;
        ScriptedPrompt prompt;
        frmEnvironPct dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "F_V", "45");
        type(dialog, "alp_V", "0.00002");
        prompt.answers = {Button::Yes, Button::Yes};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 2);
        QCOMPARE(prompt.messages[0].title, QStringLiteral("Input Data Check"));
        QCOMPARE(
            prompt.messages[0].text,
            QStringLiteral(
                "ΔT is not within the typical data range( 0,  40). Accept the suggested maximum value?"));
        QCOMPARE(prompt.messages[1].text,
                 QStringLiteral("alpha is not within the typical data range( 0,  1E-05). "
                                "Accept the suggested maximum value?"));
        QCOMPARE(text(dialog, "F_V"), QStringLiteral("40"));
        QCOMPARE(text(dialog, "alp_V"), QStringLiteral("1E-05"));
        QCOMPARE(record.alp, std::string("1E-05"));
        QVERIFY2(!dialog.isVisible(), "1E-05 passes the acceptance test");
    }
    {
        Desk desk;
        AnalysisCase record;
        record.units = UnitSystem::Metric;
        ScriptedPrompt prompt;
        frmEnvironPct dialog(record, prompt, nullptr);
        QVERIFY(desk.activate(dialog));
        type(dialog, "F_V", "30");
        type(dialog, "alp_V", "0.00002");
        prompt.answers = {Button::Yes, Button::No};
        click(dialog, "OK");
        QCOMPARE(prompt.messages.size(), 3);
        QCOMPARE(prompt.messages[0].text,
                 QStringLiteral("ΔT is not within the typical data range( 0,  22.22222). "
                                "Accept the suggested maximum value?"));
        QCOMPARE(prompt.messages[1].text,
                 QStringLiteral("alpha is not within the typical data range( 0,  1.8E-05). "
                                "Accept the suggested maximum value?"));
        QCOMPARE(prompt.messages[2].title, QStringLiteral("KORVANEX"));
        QCOMPARE(prompt.messages[2].text, QStringLiteral("Keep the alpha input value anyway!"));
        QCOMPARE(text(dialog, "F_V"), QStringLiteral("22.22222"));
        QCOMPARE(text(dialog, "alp_V"), QStringLiteral("0.00002"));
        QVERIFY(!dialog.isVisible());
    }
}

void EnvironmentDialogTest::invalidNumbersKeepTheDialogOpenWithRememberedTexts() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmEnvironPct dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "F_V", "-10");
    type(dialog, "alp_V", "");
    click(dialog, "OK");

    QCOMPARE(prompt.messages.size(), 2);
    QCOMPARE(prompt.messages[0].text, QStringLiteral("ΔT is an invalid number; please try again!"));
    QCOMPARE(prompt.messages[1].text, QStringLiteral("alpha is an invalid number; please try again!"));
    QCOMPARE(prompt.messages[1].buttons, (QList<Button>{Button::Cancel, Button::TryAgain, Button::Continue}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(text(dialog, "F_V"), QStringLiteral("0"));
    QCOMPARE(text(dialog, "alp_V"), QStringLiteral("5.5E-06"));
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void EnvironmentDialogTest::cancelRestoresTextsRememberedAtActivation() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmEnvironPct dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "F_V", "12");

    QVERIFY(desk.activate(dialog));
    type(dialog, "F_V", "15");
    type(dialog, "alp_V", "6E-06");
    click(dialog, "Cancel");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(text(dialog, "F_V"), QStringLiteral("12"));
    QCOMPARE(text(dialog, "alp_V"), QStringLiteral("5.5E-06"));
    QCOMPARE(record.F, std::string("12"));
}

QTEST_MAIN(EnvironmentDialogTest)
#include "environment_dialog_test.moc"
