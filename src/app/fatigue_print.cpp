// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_print.h"

#include <QChartView>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace korvanex {

bool printTextAndChart(QPrinter& printer, const std::vector<std::string>& lines, QChartView& chart) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    double widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(line)));
    }
    // The lines are drawn in page units divided by the scale, so that the widest fills the width.
    const double scale = widest > page.width() ? page.width() / widest : 1.0;
    const double lineHeight = metrics.lineSpacing() * scale;
    double top = 0;
    bool ok = true;
    for (const std::string& line : lines) {
        if (top > 0 && top + lineHeight > page.height()) {
            ok = ok && printer.newPage();
            top = 0;
        }
        painter.save();
        painter.translate(0, top);
        painter.scale(scale, scale);
        painter.drawText(QPointF(0, metrics.ascent()), QString::fromStdString(line));
        painter.restore();
        top += lineHeight;
    }
    if (top > page.height() / 2) {
        ok = ok && printer.newPage();
        top = 0;
    }
    chart.render(&painter, QRectF(0, top + lineHeight, page.width(), page.height() - top - lineHeight));
    return painter.end() && ok && printer.printerState() != QPrinter::Error;
}

} // namespace korvanex
