#include "dialogs/about_dialog.h"

#include "widget_access.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace korvanex;

namespace {

int drawnColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheProgramCreditsAndTwoPictures();
    void moreInfoSwitchesTextsAndOkCloses();
};

void AboutDialogTest::showsTheProgramCreditsAndTwoPictures() {
    frmAbout about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About KORVANEX Program"));
    QStringList labels;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        labels << label->text();
    }
    QVERIFY(labels.contains(QStringLiteral("KORVANEX Stress Analysis Program")));
    QVERIFY(labels.contains(QStringLiteral("for Jointed Concrete Pavements")));

    const QPlainTextEdit& credits = child<QPlainTextEdit>(about, "Text1");
    QVERIFY(credits.isReadOnly());
    QVERIFY(!credits.toPlainText().isEmpty());

    for (const char* name : {"Picture1", "Picture2"}) {
        const QPixmap picture = child<QLabel>(about, name).pixmap();
        QVERIFY2(!picture.isNull(), name);
        QVERIFY2(drawnColours(picture.toImage()) >= 3, name);
    }
}

void AboutDialogTest::moreInfoSwitchesTextsAndOkCloses() {
    frmAbout about(nullptr);
    about.show();
    const QPlainTextEdit& credits = child<QPlainTextEdit>(about, "Text1");
    const QString shortText = credits.toPlainText();

    child<QPushButton>(about, "cmdAddInfo").click();
    const QString longText = credits.toPlainText();
    QVERIFY(longText.size() > shortText.size());
    child<QPushButton>(about, "cmdAddInfo").click();
    QCOMPARE(credits.toPlainText(), shortText);
    QCOMPARE(child<QPushButton>(about, "cmdAddInfo").text(), QStringLiteral("More Info"));

    child<QPushButton>(about, "cmdOK").click();
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
