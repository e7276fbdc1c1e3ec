// SPDX-License-Identifier: Apache-2.0
#include "app/background_work.h"
#include "app/slab_plan_pane.h"
#include "widget_test.h"

#include <QThread>

#include <atomic>
#include <thread>

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

using namespace korvanex;

namespace {

QString planSvg(const frmMain& window) {
    return QString::fromStdString(child<SlabPlanPane>(window, "slabPlan").svg());
}

bool planShows(const frmMain& window, const char* text) {
    return planSvg(window).contains(QString::fromUtf8(text));
}

// No two captions share a mnemonic, the Alt+letter that underlines one of their letters.
void expectUniqueMnemonics(const QString& where, const QStringList& captions) {
    QStringList seen;
    for (const QString& caption : captions) {
        const QString key = QKeySequence::mnemonic(caption).toString();
        QVERIFY2(key.isEmpty() || !seen.contains(key), qPrintable(where + QStringLiteral(": ") + caption));
        seen << key;
    }
}

QStringList actionCaptions(const QWidget& bar) {
    QStringList captions;
    for (const QAction* action : bar.actions()) {
        captions << action->text();
    }
    return captions;
}

} // namespace

class DesktopPolishTest : public QObject {
    Q_OBJECT

  private slots:
    void planFollowsTheCaseAndIsSaved();
    void mnemonicsAreUniqueInEveryBarMenuAndWindow();
    void userGuideOpensAtF1AndEveryLinkLeadsWithinIt();
    void aRequestMadeAsTheWorkEndsSupersedesTheWaitingOne();
};

// A Single-Tridem side has 3 tires: a = sqrt(9000 / (100 * 3 * pi)) = 3.090 in, which at the corner
// is also the first tire's distance from the transverse joint.
void DesktopPolishTest::planFollowsTheCaseAndIsSaved() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    QVERIFY(planShows(window, ">d = 88 in<"));
    trigger(window, "mnuStressAxleData");
    QWidget& axle = child<QWidget>(window, "frmWheel");
    click(axle, "one_three");
    QCOMPARE(planSvg(window).count(QStringLiteral("<circle class=\"tire\"")), 6);
    click(axle, "corner_loc");
    QVERIFY(planShows(window, "cx=\"3.090\""));
    type(axle, "d_V", QStringLiteral("60"));
    QVERIFY(planShows(window, ">d = 60 in<"));

    click(pavement(window), "OptTiedYes");
    QVERIFY(planShows(window, "class=\"shoulder tied\""));

    frmMain metric(prompt);
    trigger(metric, "MetricOption");
    QVERIFY(planShows(metric, ">d = 223.5 cm<"));
    trigger(metric, "mnuStressAxleData");
    type(child<QWidget>(metric, "frmWheel"), "S_V", QStringLiteral("20"));
    QVERIFY(planShows(metric, ">s = 20 cm<"));

    QTemporaryDir folder;
    prompt.saveNames = {folder.filePath(QStringLiteral("plan.svg"))};
    click(metric, "cmdSavePlanSvg");
    QCOMPARE(prompt.saveFilters, QStringList{"(*.svg)"});
    QFile saved(folder.filePath(QStringLiteral("plan.svg")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readAll()), planSvg(metric));
}

// Every window the menu bar opens is opened (the File menu's commands ask for files and printers),
// then the bar, each menu and each window is searched for a mnemonic used twice.
void DesktopPolishTest::mnemonicsAreUniqueInEveryBarMenuAndWindow() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    for (QAction* item : window.menuBar()->actions()) {
        const QList<QAction*> commands =
            item->menu() != nullptr ? item->menu()->actions() : QList<QAction*>{item};
        for (QAction* command : commands) {
            if ((item->menu() == nullptr || item->menu()->objectName() != QStringLiteral("File")) &&
                !command->isCheckable() && command->menu() == nullptr) {
                command->trigger();
            }
        }
    }
    QVERIFY(window.findChildren<QDialog*>().size() >= 5);

    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        expectUniqueMnemonics(menu->title(), actionCaptions(*menu));
    }
    QList<QWidget*> windows{&window};
    for (QDialog* opened : window.findChildren<QDialog*>()) {
        windows << opened;
    }
    for (const QWidget* shown : windows) {
        QStringList captions = shown == &window ? actionCaptions(*window.menuBar()) : QStringList();
        for (const QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
            if (button->window() == shown) {
                captions << button->text();
            }
        }
        for (const QLabel* label : shown->findChildren<QLabel*>()) {
            if (label->window() == shown && label->buddy() != nullptr) {
                captions << label->text();
            }
        }
        expectUniqueMnemonics(shown->windowTitle(), captions);
    }
}

void DesktopPolishTest::userGuideOpensAtF1AndEveryLinkLeadsWithinIt() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    Desk desk;
    QVERIFY(desk.activate(window));
    QTest::keyClick(&window, Qt::Key_F1);
    QWidget& guide = child<QWidget>(window, "frmUserGuide");
    QVERIFY(guide.isVisible());
    QCOMPARE(guide.windowTitle(), QStringLiteral("KORVANEX User Guide"));
    const QTextDocument& document = *child<QTextBrowser>(guide, "txtGuide").document();
    QStringList links;
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.anchorHref().isEmpty()) {
                links << format.anchorHref();
            }
            anchors << format.anchorNames();
        }
    }
    QCOMPARE(links.size(), 11);
    for (const QString& link : links) {
        QVERIFY2(link.startsWith(QLatin1Char('#')) && anchors.contains(link.mid(1)), qPrintable(link));
    }
    for (const char* topic : {"Westergaard", "Bradbury", "Combined Loading & Curling Stress",
                              "Packard and Tayabji", "NCHRP 1-37A", "korvanex-cli"}) {
        QVERIFY2(document.toPlainText().contains(QLatin1String(topic)), topic);
    }
}

// The running work ends on its own thread before its end is told on this one: a request made in between
// waits for that end, and the request it superseded, waiting then, never runs.
void DesktopPolishTest::aRequestMadeAsTheWorkEndsSupersedesTheWaitingOne() {
    BackgroundWork work(nullptr);
    QStringList shown;
    const auto showing = [&shown](const QString& name) {
        return [&shown, name](std::stop_token, const BackgroundWork::Deliver& deliver) {
            deliver([&shown, name] { shown << name; });
        };
    };
    std::atomic<bool> release = false;
    std::atomic<bool> done = false;
    work.request([&release, &done](std::stop_token, const BackgroundWork::Deliver&) {
        while (!release) {
            std::this_thread::yield();
        }
        done = true;
    });
    work.request(showing(QStringLiteral("superseded")));
    release = true;
    while (!done) {
        std::this_thread::yield();
    }
    // Room for the first work's future to end on its thread, its end not yet told here.
    QThread::msleep(50);
    work.request(showing(QStringLiteral("latest")));
    QSignalSpy finished(&work, &BackgroundWork::finished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(shown, QStringList{QStringLiteral("latest")});
}

QTEST_MAIN(DesktopPolishTest)
#include "desktop_polish_test.moc"
