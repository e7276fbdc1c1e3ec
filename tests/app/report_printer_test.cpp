// SPDX-License-Identifier: Apache-2.0
#include "app/report_printer.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace korvanex;

namespace {

std::vector<std::string> numberedLines(int count) {
    std::vector<std::string> lines;
    for (int line = 1; line <= count; ++line) {
        lines.push_back("         line " + std::to_string(line));
    }
    return lines;
}

void printToPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A6));
}

int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString contents = QString::fromLatin1(file.readAll());
    return static_cast<int>(contents.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

// How many lines of the fixed-pitch font fit on one page of the printer: every line's full height
// must lie on the page.
int linesPerPage(QPrinter& printer) {
    QPainter painter(&printer);
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    painter.end();
    return (pageHeight - metrics.height()) / metrics.lineSpacing() + 1;
}

} // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void pagesCopiesAndAJobThatCannotStart();
};

// A new page starts when one is full. Two copies printed as one job would put both copies' pages into
// the one file; as jobs of their own, the second replaces the first.
void ReportPrinterTest::pagesCopiesAndAJobThatCannotStart() {
    QTemporaryDir folder;
    QPrinter probe;
    printToPdf(probe, folder.filePath(QStringLiteral("probe.pdf")));
    const int perPage = linesPerPage(probe);
    QVERIFY(perPage > 5);
    for (const int lineCount : {5, perPage, perPage + 1, 3 * perPage + 2}) {
        const QString path = folder.filePath(QStringLiteral("report%1.pdf").arg(lineCount));
        QPrinter printer;
        printToPdf(printer, path);
        QVERIFY(printReportCopies(printer, numberedLines(lineCount)));
        QCOMPARE(pdfPages(path), (lineCount + perPage - 1) / perPage);
    }

    const QString path = folder.filePath(QStringLiteral("copies.pdf"));
    QPrinter copies;
    printToPdf(copies, path);
    copies.setCopyCount(2);
    QVERIFY(printReportCopies(copies, numberedLines(perPage + 1)));
    QCOMPARE(pdfPages(path), 2);

    QPrinter missing;
    printToPdf(missing, folder.filePath(QStringLiteral("missing/report.pdf")));
    QVERIFY(!printReportCopies(missing, numberedLines(3)));
}

QTEST_MAIN(ReportPrinterTest)
#include "report_printer_test.moc"
