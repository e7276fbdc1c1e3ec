// SPDX-License-Identifier: Apache-2.0
#include "app/report_printer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace korvanex {

namespace {

bool printOneCopy(QPrinter& printer, const std::vector<std::string>& lines) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int top = 0;
    for (const std::string& line : lines) {
        if (top > 0 && top + metrics.height() > pageHeight) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            top = 0;
        }
        painter.drawText(0, top + metrics.ascent(), QString::fromStdString(line));
        top += metrics.lineSpacing();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

bool printReportCopies(QPrinter& printer, const std::vector<std::string>& lines) {
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    for (int copy = 0; copy < copies; ++copy) {
        if (!printOneCopy(printer, lines)) {
            return false;
        }
    }
    return true;
}

} // namespace korvanex
