// SPDX-License-Identifier: Apache-2.0
// The Save PNG and Save SVG buttons of every window that shows a picture: the slab plan beside the
// report, the design chart, the fatigue chart and the plate model's contours. Each asks for a file of its own
// format, writes the picture the window shows, and tells a file it could not write in the window's own words.

#include "widget_test.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>

using namespace korvanex;

namespace {

struct PictureWindow {
    const char* name;     // of the window or pane that holds the buttons
    const char* menuItem; // that opens it; none for the plan beside the report
    const char* picture;  // of the widget its picture shows
    const char* pngButton;
    const char* svgButton;
    const char* failure; // how a file that was not written is told, before the reason
};

const PictureWindow plan = {"slabPlan",       nullptr,          nullptr,
                            "cmdSavePlanPng", "cmdSavePlanSvg", "The plan was not saved: "};
const PictureWindow designChart = {"frmDesignChart", "mnuDesignChart", "chartPanel",
                                   "cmdSavePng",     "cmdSaveSvg",     "The chart was not saved: "};
const PictureWindow fatigue = {"frmFatigue", "mnuFatigue", "chartView",
                               "cmdSavePng", "cmdSaveSvg", "The file was not saved: "};
const PictureWindow plateModel = {"frmPlateModel", "mnuPlateModel", "contourView",
                                  "cmdSavePng",    "cmdSaveSvg",    "The picture was not saved: "};

QWidget& open(const frmMain& window, const PictureWindow& pictured) {
    if (pictured.menuItem != nullptr) {
        trigger(window, pictured.menuItem);
    }
    return child<QWidget>(window, pictured.name);
}

// Clicks a save button with the given file name scripted; the filter the file dialog was asked with.
QString save(ScriptedPrompt& prompt, QWidget& window, const char* button, const QString& path) {
    prompt.clearRecord();
    prompt.saveNames = {path};
    click(window, button);
    return prompt.saveFilters.value(0);
}

} // namespace

class WindowPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void planIsSavedAtTwiceItsSize();
    void chartsAreSavedAsTheUserSeesThem();
    void unwrittenAndCancelledFilesOfEveryPicture();
};

// The default plan is 720 by 774.854 pixels, 720 by 774 whole ones: the PNG has twice as many each way.
void WindowPictureTest::planIsSavedAtTwiceItsSize() {
    QTemporaryDir folder;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    const QString path = folder.filePath(QStringLiteral("plan.png"));
    QCOMPARE(save(prompt, open(window, plan), plan.pngButton, path), QStringLiteral("(*.png)"));
    QVERIFY(prompt.messages.isEmpty());
    const QImage image(path, "PNG");
    QCOMPARE(image.size(), QSize(1440, 1548));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
}

// The PNG holds the chart (and the design chart's legend) as shown, pixel for pixel, without the
// window's controls; the SVG draws the same area under the window's title.
void WindowPictureTest::chartsAreSavedAsTheUserSeesThem() {
    for (const PictureWindow& chart : {designChart, fatigue}) {
        QTemporaryDir folder;
        ScriptedPrompt prompt;
        frmMain window(prompt);
        QWidget& shown = open(window, chart);
        const QWidget& view = child<QWidget>(shown, chart.picture);

        const QString png = folder.filePath(QStringLiteral("chart.png"));
        QCOMPARE(save(prompt, shown, chart.pngButton, png), QStringLiteral("(*.png)"));
        QCOMPARE(QImage(png, "PNG").size(), view.size());

        const QString svg = folder.filePath(QStringLiteral("chart.svg"));
        QCOMPARE(save(prompt, shown, chart.svgButton, svg), QStringLiteral("(*.svg)"));
        const QByteArray drawn = readFile(svg);
        QVERIFY2(drawn.contains("<title>" + shown.windowTitle().toUtf8() + "</title>"), chart.name);
        // Saved as soon as the results are in, the chart is laid out, with its axes.
        QVERIFY2(drawn.contains("Slab (1st Layer) Thickness, h1 (in)"), chart.name);
        QCOMPARE(QSvgRenderer(drawn).viewBox(), view.rect());
        QVERIFY(prompt.messages.isEmpty());
    }
}

// A file in a folder that does not exist is not written, and a warning says so; a cancelled file
// dialog writes nothing and says nothing.
void WindowPictureTest::unwrittenAndCancelledFilesOfEveryPicture() {
    for (const PictureWindow& pictured : {plan, designChart, fatigue, plateModel}) {
        QTemporaryDir folder;
        ScriptedPrompt prompt;
        frmMain window(prompt);
        QWidget& shown = open(window, pictured);
        for (const char* button : {pictured.pngButton, pictured.svgButton}) {
            const QString path = folder.filePath(QStringLiteral("missing/picture"));
            save(prompt, shown, button, path);
            QCOMPARE(prompt.messages.size(), 1);
            QCOMPARE(prompt.messages[0].title, QStringLiteral("KORVANEX"));
            QVERIFY2(prompt.messages[0].text.startsWith(QLatin1String(pictured.failure)),
                     qPrintable(prompt.messages[0].text));
            QVERIFY(prompt.messages[0].text.size() > QLatin1String(pictured.failure).size());
            QCOMPARE(prompt.messages[0].icon, UserPrompt::Icon::Warning);
            QVERIFY(!QFileInfo::exists(path));

            prompt.clearRecord();
            click(shown, button);
            QCOMPARE(prompt.saveFilters.size(), 1);
            QVERIFY(prompt.messages.isEmpty());
            QVERIFY(QDir(folder.path()).isEmpty());
            QVERIFY(QApplication::overrideCursor() == nullptr);
        }
    }
}

QTEST_MAIN(WindowPictureTest)
#include "window_picture_test.moc"
