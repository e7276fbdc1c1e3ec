// SPDX-License-Identifier: Apache-2.0
// The three input dialogs through one fixture: what they show in each unit system and after each option,
// the bounds they write back, and what a refused OK and Cancel put back. Reference files are under
// tests/data/dialogs (see tests/golden_file.h for updating them).

#include "dialogs/about_dialog.h"
#include "widget_test.h"

#include <QTextDocument>

#include <memory>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

template <class Dialog> std::unique_ptr<QWidget> make(AnalysisCase& record, UserPrompt& prompt) {
    return std::make_unique<Dialog>(record, prompt, nullptr);
}

struct DialogKind {
    const char* name;
    std::vector<const char*> options; // clicked in turn; the first is not selected at first
    const char* field;                // a field that every case checks
    const char* otherField;
    std::unique_ptr<QWidget> (*make)(AnalysisCase&, UserPrompt&);
};

const DialogKind inputDialogs[] = {
    {"pavement",
     {"two_bond", "OptTiedYes", "OptWidenedYes", "two_unbond", "one", "OptTiedNo", "OptWidenedNo"},
     "h1_V",
     "W_V",
     make<frmPvmtStrs>},
    {"axle",
     {"one_one", "one_two", "one_three", "two_two", "two_three", "two_one", "corner_loc", "interior_loc",
      "edge_loc"},
     "P_V",
     "S_V",
     make<frmWheel>},
    {"environment", {}, "alp_V", "F_V", make<frmEnvironPct>},
};

QString describe(const AnalysisCase& record) {
    QString line = QStringLiteral("record: %1 %2 %3 tied %4 widened %5:")
                       .arg(QString::fromUtf8(locationName(record.location).data()))
                       .arg(QString::fromUtf8(gearName(record.gear).data()))
                       .arg(QString::fromUtf8(layerName(record.layer).data()))
                       .arg(record.tiedShoulder)
                       .arg(record.widenedLane);
    for (std::size_t index = 0; index < FieldCount; ++index) {
        line += QLatin1Char(' ') + QString::fromStdString(record.text(static_cast<Field>(index)));
    }
    return line + QLatin1Char('\n');
}

// Each field's tooltip as it reads, after the field's name.
QString toolTips(const QWidget& dialog) {
    QString lines;
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        QTextDocument tip;
        tip.setHtml(field->toolTip());
        lines += field->objectName() + QStringLiteral(" tip: ") +
                 tip.toPlainText().replace(QLatin1Char('\n'), QStringLiteral(" / ")) + QLatin1Char('\n');
    }
    return lines;
}

} // namespace

class InputDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsOptionsAndBoundsOfEveryDialog();
    void refusedOkAndCancelPutBackWhatActivationRemembered();
    void hiddenFieldsAreNotChecked();
    void tabGoesThroughTheDialogAsItStandsOnScreen();
    void aboutBoxSwitchesItsTextAndCloses();
};

// What each dialog shows in each unit system and after each option, and the tooltips of its fields. Then
// every checked field typed far above and then far below its typical range, each question answered Yes: the
// bounds reference holds the fields asked about, in order, and the bounds written back.
void InputDialogsTest::captionsOptionsAndBoundsOfEveryDialog() {
    for (const DialogKind& kind : inputDialogs) {
        for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
            const QString stem = QStringLiteral("dialogs/%1-%2")
                                     .arg(kind.name, units == UnitSystem::Metric ? "metric" : "english");
            AnalysisCase record;
            record.units = units;
            ScriptedPrompt prompt;
            const std::unique_ptr<QWidget> dialog = kind.make(record, prompt);
            QString seen = describe(*dialog) + describe(record) + toolTips(*dialog);
            for (const char* option : kind.options) {
                click(*dialog, option);
                seen += QStringLiteral("\nafter %1: ").arg(QLatin1String(option)) + describe(*dialog) +
                        describe(record);
            }
            QVERIFY(prompt.messages.isEmpty());
            QVERIFY(matchesGolden(qPrintable(stem + QStringLiteral(".txt")), seen));

            Desk desk;
            AnalysisCase bonded;
            bonded.units = units;
            bonded.layer = LayerType::TwoLayerBonded;
            const std::unique_ptr<QWidget> checked = kind.make(bonded, prompt);
            for (const char* option : kind.options) {
                // The shoulder, lane and tandem spacing fields are shown, and so checked, only then.
                if (QByteArray(option).endsWith("Yes") || QByteArray(option) == "two_two") {
                    click(*checked, option);
                }
            }
            seen.clear();
            for (const char* typed : {"99999999", "0.0000001"}) {
                QVERIFY(desk.activate(*checked));
                for (QLineEdit* field : checked->findChildren<QLineEdit*>()) {
                    field->setText(QLatin1String(typed));
                }
                prompt.clearRecord();
                prompt.answers = QList<Button>(40, Button::Yes);
                click(*checked, "OK");
                QVERIFY(!checked->isVisible());
                seen += QStringLiteral("typed %1, asked about:").arg(QLatin1String(typed));
                for (const ScriptedPrompt::Shown& shown : prompt.messages) {
                    QCOMPARE(shown.title, QStringLiteral("Input Data Check"));
                    QCOMPARE(shown.buttons, (QList<Button>{Button::Yes, Button::No}));
                    seen += QLatin1Char(' ') + shown.text.section(QLatin1Char(' '), 0, 0);
                }
                seen += QStringLiteral("\nwritten back:");
                for (const QLineEdit* field : checked->findChildren<QLineEdit*>()) {
                    seen += QLatin1Char(' ') + field->text();
                }
                seen += QLatin1Char('\n');
            }
            QVERIFY(matchesGolden(qPrintable(stem + QStringLiteral("-bounds.txt")), seen));
        }
    }
}

// A refused OK keeps the dialog open and puts back what its activation remembered, and so does Cancel. A
// dialog keeps one size, which the user cannot change, whatever its options show: a hidden field keeps its
// room.
void InputDialogsTest::refusedOkAndCancelPutBackWhatActivationRemembered() {
    for (const DialogKind& kind : inputDialogs) {
        Desk desk;
        AnalysisCase record;
        ScriptedPrompt prompt;
        const std::unique_ptr<QWidget> dialog = kind.make(record, prompt);
        QVERIFY(desk.activate(*dialog));
        type(*dialog, kind.otherField, QStringLiteral("13"));
        if (!kind.options.empty()) {
            click(*dialog, kind.options.front());
        }
        QVERIFY(desk.activate(*dialog)); // remembers the 13 and the option
        const QString remembered = describe(*dialog) + describe(record);
        const QSize size = dialog->size();
        QCOMPARE(dialog->minimumSize(), size);
        QCOMPARE(dialog->maximumSize(), size);

        type(*dialog, kind.field, QStringLiteral("abc"));
        type(*dialog, kind.otherField, QStringLiteral("14"));
        QTest::keyClick(&child<QLineEdit>(*dialog, kind.field), Qt::Key_Return); // Return is OK
        QCOMPARE(prompt.messages.size(), 1);
        QCOMPARE(prompt.messages[0].buttons,
                 (QList<Button>{Button::Cancel, Button::TryAgain, Button::Continue}));
        QVERIFY2(dialog->isVisible(), kind.name);
        QCOMPARE(describe(*dialog) + describe(record), remembered);

        for (const char* option : kind.options) {
            click(*dialog, option);
            QApplication::processEvents();
            QVERIFY2(dialog->size() == size, option);
        }
        type(*dialog, kind.otherField, QStringLiteral("15"));
        click(*dialog, "Cancel");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(describe(*dialog) + describe(record), remembered);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
}

// A field that the current option hides is not checked at all: out of range or not a number, its text
// is kept and the dialog closes unasked (one layer without shoulder or widening hides h2, E2, d0 and AGG;
// Single-Single hides both spacings). Shown again by its option, the field is checked: answering No
// keeps the typed value, after a box that says so.
void InputDialogsTest::hiddenFieldsAreNotChecked() {
    Desk desk;
    AnalysisCase record;
    ScriptedPrompt prompt;
    frmPvmtStrs dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    for (const char* hidden : {"h2_V", "E2_V", "d0_V", "AGG_V"}) {
        type(dialog, hidden, QStringLiteral("99999999"));
    }
    type(dialog, "h2_V", QStringLiteral("x"));
    click(dialog, "OK");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(text(dialog, "h2_V"), QStringLiteral("x"));

    QVERIFY(desk.activate(dialog));
    click(dialog, "OptTiedYes");
    prompt.answers = {Button::No};
    click(dialog, "OK");
    QCOMPARE(prompt.messages.size(), 2);
    QVERIFY(prompt.messages[0].text.startsWith(QStringLiteral("AGG ")));
    QCOMPARE(prompt.messages[1].title, QStringLiteral("KORVANEX"));
    QCOMPARE(prompt.messages[1].buttons, QList<Button>{Button::Ok});
    QCOMPARE(text(dialog, "AGG_V"), QStringLiteral("99999999"));
    QVERIFY(!dialog.isVisible());

    frmWheel axle(record, prompt, nullptr);
    QVERIFY(desk.activate(axle));
    click(axle, "one_one");
    type(axle, "t_V", QStringLiteral("10"));
    type(axle, "S_V", QStringLiteral("x"));
    click(axle, "OK");
    QCOMPARE(prompt.messages.size(), 2);
    QVERIFY(!axle.isVisible());
    QCOMPARE(record.t, std::string("10"));
    QCOMPARE(record.S, std::string("x"));
}

// Tab goes through what a dialog shows as it stands on screen: down the fields, then down the frames,
// each frame's selected option before the field it shows, then OK and Cancel, and round again.
void InputDialogsTest::tabGoesThroughTheDialogAsItStandsOnScreen() {
    const struct {
        std::size_t kind;
        std::vector<const char*> options;
        const char* order;
    } orders[] = {
        {0, {}, "h1_V E1_V r1_V mu1_V L_V W_V k_V one OptTiedNo OptWidenedNo OK Cancel"},
        {0,
         {"two_bond", "OptTiedYes", "OptWidenedYes"},
         "h1_V E1_V r1_V mu1_V L_V W_V k_V two_bond h2_V E2_V OptTiedYes AGG_V OptWidenedYes d0_V OK Cancel"},
        {1, {}, "P_V tp_V S_V d_V edge_loc two_one OK Cancel"},
        {1, {"one_three", "interior_loc"}, "P_V tp_V t_V d_V interior_loc one_three OK Cancel"},
        {2, {}, "F_V alp_V OK Cancel"},
    };
    for (const auto& [kind, options, order] : orders) {
        Desk desk;
        AnalysisCase record;
        ScriptedPrompt prompt;
        const std::unique_ptr<QWidget> dialog = inputDialogs[kind].make(record, prompt);
        for (const char* option : options) {
            click(*dialog, option);
        }
        QVERIFY(desk.activate(*dialog));
        const QStringList expected = QString::fromLatin1(order).split(QLatin1Char(' '));
        QWidget& first = child<QWidget>(*dialog, qPrintable(expected.front()));
        first.setFocus();
        QStringList seen;
        do {
            seen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != &first && seen.size() <= expected.size());
        QCOMPARE(seen.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }
}

void InputDialogsTest::aboutBoxSwitchesItsTextAndCloses() {
    frmAbout about(nullptr);
    about.show();
    QString seen = describe(about);
    click(about, "cmdAddInfo");
    seen += QStringLiteral("\nafter More Info:\n") + describe(about);
    click(about, "cmdAddInfo");
    QVERIFY(matchesGolden("dialogs/about.txt", seen));
    click(about, "cmdOK");
    QVERIFY(!about.isVisible());
    for (const char* name : {"Picture1", "Picture2"}) {
        QVERIFY2(!child<QLabel>(about, name).pixmap().isNull(), name);
    }
}

QTEST_MAIN(InputDialogsTest)
#include "input_dialogs_test.moc"
