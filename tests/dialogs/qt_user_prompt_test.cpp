// SPDX-License-Identifier: Apache-2.0
#include "dialogs/qt_user_prompt.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/environment_dialog.h"
#include "widget_access.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <tuple>

using namespace korvanex;

using Button = UserPrompt::Button;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons; // left to right
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::CursorShape pointer = Qt::ArrowCursor;
};

// Plays the user at the screen: presses the named button of every message box as it comes up, and
// notes what each box showed. The offscreen platform activates no window when a box closes; the
// robot activates the box's window as a window system would.
class BoxRobot : public QObject {
  public:
    explicit BoxRobot(QStringList presses) : presses_(std::move(presses)) {
        connect(&timer_, &QTimer::timeout, this, &BoxRobot::look);
        timer_.start(5);
    }

    QList<SeenBox> seen;

  private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || presses_.isEmpty()) {
            return;
        }
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
                  [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
        SeenBox shown{box->windowTitle(), box->text(), {}, box->icon(), Qt::ArrowCursor};
        if (const QCursor* pointer = QApplication::overrideCursor()) {
            shown.pointer = pointer->shape();
        }
        QAbstractButton* press = nullptr;
        for (QAbstractButton* button : buttons) {
            const QString caption = button->text().remove(QLatin1Char('&'));
            shown.buttons << caption;
            if (caption == presses_.first()) {
                press = button;
            }
        }
        seen << shown;
        presses_.removeFirst();
        QWidget* owner = box->parentWidget();
        if (press != nullptr) {
            press->click();
        } else {
            box->reject();
        }
        // As a window system does, the window under the box becomes the active one again.
        if (owner != nullptr) {
            owner->window()->activateWindow();
        }
    }

    QStringList presses_;
    QTimer timer_;
};

// Runs a step on the file dialog once it is up (its own event loop is running then).
void whenFileDialogIsUp(std::function<void(QFileDialog&)> step) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            step(*dialog);
        }
    });
    poll->start(5);
}

} // namespace

class QtUserPromptTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxesShowWhatTheyAskAndAnswerThePressedButton();
    void returningFromABoxIsNoActivation();
    void savedNamesGetTheFiltersExtension();
};

// A box shows its title, text, icon and buttons (left to right) and answers the button pressed; closed
// without one it answers Cancel, No or OK. During a busy command a box has the ordinary pointer.
void QtUserPromptTest::messageBoxesShowWhatTheyAskAndAnswerThePressedButton() {
    using enum Button;
    QtUserPrompt prompt;
    BoxRobot robot({"Try Again", "No", "Yes", "(closed)", "(closed)", "(closed)"});
    QCOMPARE(prompt.showMessage(nullptr, {"Input Data Check",
                                          "h1 is an invalid number; please try again!",
                                          {Cancel, TryAgain, Continue}}),
             TryAgain);
    QCOMPARE(prompt.showMessage(nullptr, {"t", "range", {Yes, No}}), No);
    QCOMPARE(prompt.showMessage(nullptr, {"t", "closing?", {Yes, No, Cancel}, UserPrompt::Icon::Question}),
             Yes);
    QCOMPARE(prompt.showMessage(nullptr, {"t", "a", {Yes, No, Cancel}}), Cancel);
    QCOMPARE(prompt.showMessage(nullptr, {"t", "b", {Yes, No}}), No);
    {
        BusyCursor busy;
        QCOMPARE(prompt.showMessage(nullptr, {"t", "c", {Ok}}), Ok);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(QApplication::overrideCursor() == nullptr);

    QCOMPARE(robot.seen.size(), 6);
    QCOMPARE(robot.seen[0].title, QStringLiteral("Input Data Check"));
    QCOMPARE(robot.seen[0].text, QStringLiteral("h1 is an invalid number; please try again!"));
    QCOMPARE(robot.seen[0].buttons, (QStringList{"Cancel", "Try Again", "Continue"}));
    QCOMPARE(robot.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(robot.seen[1].buttons.contains(QStringLiteral("Yes")) && robot.seen[1].buttons.contains("No"));
    QCOMPARE(robot.seen[1].buttons.size(), 2);
    QCOMPARE(robot.seen[2].icon, QMessageBox::Question);
    QCOMPARE(robot.seen[2].buttons.size(), 3);
    QCOMPARE(robot.seen[5].pointer, Qt::ArrowCursor);
}

// The user's own activations refresh a dialog's remembered texts; the dialog becoming active again
// when one of its message boxes closes does not, or a refused OK would keep half-checked texts.
void QtUserPromptTest::returningFromABoxIsNoActivation() {
    Desk desk;
    AnalysisCase record;
    QtUserPrompt prompt;
    frmEnvironPct dialog(record, prompt, nullptr);
    QVERIFY(desk.activate(dialog));
    type(dialog, "F_V", QStringLiteral("45"));
    type(dialog, "alp_V", QStringLiteral("x"));

    BoxRobot robot({"Yes", "Cancel"});
    click(dialog, "OK");
    QCOMPARE(robot.seen.size(), 2);
    QTest::qWait(50);
    QVERIFY(dialog.isVisible());
    QCOMPARE(text(dialog, "F_V"), QStringLiteral("0"));
    QCOMPARE(text(dialog, "alp_V"), QStringLiteral("5.5E-06"));
}

// A name typed without an extension gets the filter's, so that the file is listed when it is read
// back; a name with an extension keeps it. Overwriting asks first.
void QtUserPromptTest::savedNamesGetTheFiltersExtension() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QtUserPrompt prompt;
    for (const auto& [filter, typed, saved] :
         {std::tuple{"(*.PRN)", "case1", "case1.PRN"}, std::tuple{"(*.DEF)", "case1", "case1.DEF"},
          std::tuple{"(*.PRN)", "case1.txt", "case1.txt"}}) {
        bool confirmsOverwrite = false;
        whenFileDialogIsUp([&, typed = typed](QFileDialog& dialog) {
            dialog.setDirectory(folder.path());
            confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            child<QLineEdit>(dialog, "fileNameEdit").setText(QString::fromLatin1(typed));
            static_cast<QDialog&>(dialog).accept();
        });
        QCOMPARE(prompt.saveFileName(nullptr, QString::fromLatin1(filter)),
                 folder.filePath(QString::fromLatin1(saved)));
        QVERIFY(confirmsOverwrite);
    }
}

QTEST_MAIN(QtUserPromptTest)
#include "qt_user_prompt_test.moc"
