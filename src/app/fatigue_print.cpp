// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_print.h"

#include <QChart>
#include <QChartView>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace korvanex {

namespace {

// The width at which a chart is laid out for a page, in the pixels of a screen, so that its labels
// and legend take the room they take on a screen whatever the window's size.
constexpr double ChartWidthOnPage = 900;

// Lays the chart out in the shape of the area, draws it there and puts it back as it was.
void drawChart(QPainter& painter, const QRectF& area, QChart& chart) {
    const QSizeF shown = chart.size();
    chart.resize(ChartWidthOnPage, ChartWidthOnPage * area.height() / area.width());
    chart.layout()->activate();
    chart.scene()->render(&painter, area, chart.sceneBoundingRect());
    chart.resize(shown);
    chart.layout()->activate();
}

} // namespace

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
    drawChart(painter, QRectF(0, top + lineHeight, page.width(), page.height() - top - lineHeight),
              *chart.chart());
    return painter.end() && ok && printer.printerState() != QPrinter::Error;
}

} // namespace korvanex
