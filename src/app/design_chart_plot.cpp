// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_plot.h"

#include "app/label_placement.h"
#include "case/unit_conversion.h"
#include "formats/design_chart_text.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace korvanex {

namespace {

const QColor AllowableColor(200, 0, 0);
constexpr qreal CrossingMarkSize = 9;
// The part of the data's span left free above and below the curves.
constexpr double StressMargin = 0.05;
// About this many grid lines across the swept range.
constexpr double SweptTicks = 8;
// The room between a crossing label and its mark or its neighbours, in pixels.
constexpr qreal LabelGap = 4;
// What a crossing label holds: the swept value and the allowable stress of its crossing.
constexpr int CrossingValueKey = 0;
constexpr int CrossingStressKey = 1;

struct Bounds {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void include(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    bool empty() const { return low > high; }
};

// An axis needs a range of some width: a single value gets a little room around it.
void setAxisRange(QValueAxis& axis, Bounds bounds, double margin) {
    if (bounds.empty()) {
        bounds = {0, 1};
    }
    double pad = (bounds.high - bounds.low) * margin;
    if (!(pad > 0)) {
        pad = bounds.low == 0 ? 1 : std::fabs(bounds.low) * StressMargin;
    }
    axis.setRange(bounds.low - pad, bounds.high + pad);
}

// The swept axis spans exactly the range; its grid lines fall on round multiples of 1, 2 or 5 times a
// power of ten, whatever odd numbers the range ends on.
void setRoundTicks(QValueAxis& axis) {
    const double span = axis.max() - axis.min();
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / SweptTicks)));
    const double rough = span / SweptTicks / magnitude;
    const double multiple = rough <= 1 ? 1 : rough <= 2 ? 2 : rough <= 5 ? 5 : 10;
    axis.setTickType(QValueAxis::TicksDynamic);
    axis.setTickAnchor(0);
    axis.setTickInterval(multiple * magnitude);
}

Bounds sweptBounds(const DesignChartData& data) {
    Bounds bounds;
    for (const DesignChartPoint& point : data.points) {
        bounds.include(point.value);
    }
    return bounds;
}

// The chart keeps its two axes from one drawing to the next; only the series are replaced.
QValueAxis& valueAxis(QChart& chart, Qt::Alignment alignment) {
    const Qt::Orientation orientation = alignment == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical;
    const QList<QAbstractAxis*> axes = chart.axes(orientation);
    if (!axes.isEmpty()) {
        return *qobject_cast<QValueAxis*>(axes.first());
    }
    auto* axis = new QValueAxis;
    chart.addAxis(axis, alignment);
    return *axis;
}

void attach(QChart& chart, QAbstractSeries& series, QValueAxis& x, QValueAxis& y) {
    chart.addSeries(&series);
    series.attachAxis(&x);
    series.attachAxis(&y);
}

void hideFromLegend(QChart& chart, QAbstractSeries& series) {
    for (QLegendMarker* marker : chart.legend()->markers(&series)) {
        marker->setVisible(false);
    }
}

// The crossing labels drawn on the chart.
QList<QGraphicsSimpleTextItem*> crossingLabelItems(const QChart& chart) {
    QList<QGraphicsSimpleTextItem*> labels;
    for (QGraphicsItem* item : chart.childItems()) {
        if (item->data(CrossingValueKey).isValid()) {
            labels.append(static_cast<QGraphicsSimpleTextItem*>(item));
        }
    }
    return labels;
}

// A mark in the colour of its curve at every crossing, and a label of its own in that colour, placed
// once the chart is laid out.
void markCrossings(QChart& chart, const DesignChartData& data, const QList<QLineSeries*>& lines,
                   double allowable, double span, QValueAxis& x, QValueAxis& y) {
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QLineSeries& line = *lines[index];
        for (double value :
             allowableCrossings(data, data.curves[static_cast<std::size_t>(index)], allowable)) {
            const QString text = QString::fromStdString(crossingLabel(data.field, {&value, 1}, span));
            auto* mark = new QScatterSeries;
            mark->setName(text);
            mark->setObjectName(QStringLiteral("Crossing") + line.objectName());
            mark->setColor(line.color());
            mark->setMarkerSize(CrossingMarkSize);
            mark->append(value, allowable);
            attach(chart, *mark, x, y);
            hideFromLegend(chart, *mark);

            auto* label = new QGraphicsSimpleTextItem(text, &chart);
            label->setBrush(line.color().darker(130));
            label->setData(CrossingValueKey, value);
            label->setData(CrossingStressKey, allowable);
            label->setZValue(1);
        }
    }
}

} // namespace

QString stressAxisTitle(UnitSystem units) {
    return QStringLiteral("Stress (%1)").arg(QString::fromUtf8(stressUnitWord(units)));
}

void plotDesignChart(QChart& chart, const DesignChartData& data, const QString& fieldCaption,
                     std::optional<double> allowable) {
    chart.removeAllSeries();
    qDeleteAll(crossingLabelItems(chart));
    QValueAxis& x = valueAxis(chart, Qt::AlignBottom);
    x.setTitleText(fieldCaption);
    QValueAxis& y = valueAxis(chart, Qt::AlignLeft);
    y.setTitleText(stressAxisTitle(data.units));

    const Bounds swept = sweptBounds(data);
    Bounds stresses;
    QList<QLineSeries*> lines;
    for (ChartCurve curve : data.curves) {
        QList<QPointF> points;
        for (const DesignChartPoint& point : data.points) {
            if (!point.faulted) {
                points.append({point.value, point.stress(curve)});
                stresses.include(point.stress(curve));
            }
        }
        auto* line = new QLineSeries;
        line->setName(QString::fromUtf8(curveTitle(curve)));
        line->setObjectName(QString::fromUtf8(curveColumnName(curve)));
        line->replace(points);
        attach(chart, *line, x, y);
        lines.append(line);
    }

    if (allowable && !swept.empty()) {
        stresses.include(*allowable);
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Allowable Stress"));
        line->setObjectName(QStringLiteral("AllowableStress"));
        line->setPen(QPen(AllowableColor, 2, Qt::DashLine));
        line->append(swept.low, *allowable);
        line->append(swept.high, *allowable);
        attach(chart, *line, x, y);

        markCrossings(chart, data, lines, *allowable, swept.high - swept.low, x, y);
    }

    setAxisRange(x, swept, 0);
    setRoundTicks(x);
    setAxisRange(y, stresses, StressMargin);
    y.applyNiceNumbers();
}

QStringList placeCrossingLabels(QChart& chart) {
    const QList<QGraphicsSimpleTextItem*> labels = crossingLabelItems(chart);
    std::vector<LabelAnchor> anchors;
    for (const QGraphicsSimpleTextItem* label : labels) {
        const QPointF mark = chart.mapToPosition(
            {label->data(CrossingValueKey).toDouble(), label->data(CrossingStressKey).toDouble()});
        const QRectF size = label->boundingRect();
        anchors.push_back({mark.x(), mark.y(), size.width(), size.height()});
    }
    const QRectF plot = chart.plotArea();
    const std::vector<std::optional<LabelBox>> boxes =
        placeLabels(anchors, {plot.left(), plot.top(), plot.width(), plot.height()}, LabelGap);
    QStringList unplaced;
    for (qsizetype index = 0; index < labels.size(); ++index) {
        const std::optional<LabelBox>& box = boxes[static_cast<std::size_t>(index)];
        labels[index]->setVisible(box.has_value());
        if (box) {
            labels[index]->setPos(box->left, box->top);
        } else {
            unplaced << labels[index]->text();
        }
    }
    return unplaced;
}

} // namespace korvanex
