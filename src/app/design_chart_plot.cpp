// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_plot.h"

#include "app/chart_axes.h"
#include "app/label_placement.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "formats/design_chart_text.h"

#include <QAreaSeries>
#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QList>
#include <QPainter>
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

// Each curve in a colour of its own, in the order of ChartCurve, whatever else the chart shows.
const QColor CurveColors[ChartCurveCount] = {QColor(0x20, 0x9f, 0xdf), QColor(0x99, 0xca, 0x53),
                                             QColor(0xf6, 0xa6, 0x25), QColor(0x6d, 0x5f, 0xd5)};
const QColor AllowableColor(200, 0, 0);
// The shade outside the typical range, and how it shows on the white plot, for the legend.
const QColor OutsideTypicalColor(0, 0, 0, 24);
const QColor OutsideTypicalOnWhite(231, 231, 231);
constexpr qreal CrossingMarkSize = 9;
// The part of the data's span left free above and below the curves.
constexpr double StressMargin = 0.05;
// The room between a crossing label and its mark, its neighbours and the curves, in pixels.
constexpr qreal LabelGap = 3;
// The white ground around a crossing label's text, in pixels.
constexpr qreal HaloMargin = 2;
// What a crossing label holds: the swept value and the allowable stress of its crossing.
constexpr int CrossingValueKey = 0;
constexpr int CrossingStressKey = 1;
const QString OutsideTypicalName = QStringLiteral("OutsideTypicalRange");
const QString AllowableName = QStringLiteral("AllowableStress");
const QString CrossingPrefix = QStringLiteral("Crossing");

struct Bounds {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();

    void include(double value) {
        low = std::min(low, value);
        high = std::max(high, value);
    }
    bool empty() const { return low > high; }
};

// A crossing label: its text on a white ground, so that a grid line behind it does not cross the
// text.
class HaloLabel : public QGraphicsSimpleTextItem {
  public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;

    QRectF boundingRect() const override {
        return QGraphicsSimpleTextItem::boundingRect().adjusted(-HaloMargin, -HaloMargin, HaloMargin,
                                                                HaloMargin);
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override {
        painter->setPen(Qt::NoPen);
        painter->setBrush(Qt::white);
        painter->drawRoundedRect(boundingRect(), HaloMargin, HaloMargin);
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
};

// An axis needs a range of some width: a single value gets a little room around it.
void setAxisRange(QValueAxis& axis, Bounds bounds, double margin) {
    if (bounds.empty()) {
        bounds = {0, 1};
    }
    double pad = (bounds.high - bounds.low) * margin;
    if (!(bounds.high > bounds.low)) {
        pad = bounds.low == 0 ? 1 : std::fabs(bounds.low) * StressMargin;
    }
    axis.setRange(bounds.low - pad, bounds.high + pad);
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

// The parts of the swept range outside the typical range, shaded from the bottom of the y axis to its
// top, under the curves: each added before them, its height set with the axis's range.
void shadeOutsideTypical(QChart& chart, const Bounds& swept,
                         const std::optional<std::pair<double, double>>& typical, QValueAxis& x,
                         QValueAxis& y) {
    if (!typical || swept.empty()) {
        return;
    }
    const std::pair<double, double> parts[] = {{swept.low, std::min(swept.high, typical->first)},
                                               {std::max(swept.low, typical->second), swept.high}};
    for (const auto& [from, to] : parts) {
        if (from < to) {
            // An area series does not own its bounding lines: they are its children instead.
            auto* area = new QAreaSeries;
            area->setUpperSeries(new QLineSeries(area));
            area->setLowerSeries(new QLineSeries(area));
            area->upperSeries()->append({{from, 0}, {to, 0}});
            area->lowerSeries()->append({{from, 0}, {to, 0}});
            area->setName(QStringLiteral("Outside the typical range"));
            area->setObjectName(OutsideTypicalName);
            area->setPen(Qt::NoPen);
            area->setBrush(OutsideTypicalColor);
            attach(chart, *area, x, y);
        }
    }
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
            mark->setObjectName(CrossingPrefix + line.objectName());
            mark->setColor(line.color());
            mark->setMarkerSize(CrossingMarkSize);
            mark->append(value, allowable);
            attach(chart, *mark, x, y);

            auto* label = new HaloLabel(text, &chart);
            label->setBrush(line.color().darker(130));
            label->setData(CrossingValueKey, value);
            label->setData(CrossingStressKey, allowable);
            label->setZValue(1);
        }
    }
}

QString htmlEscapedWords(const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
}

} // namespace

QString stressAxisTitle(UnitSystem units) {
    return QStringLiteral("Stress (%1)").arg(QString::fromUtf8(stressUnitWord(units)));
}

void plotDesignChart(QChart& chart, const DesignChartData& data, const QString& fieldCaption,
                     const std::optional<std::pair<double, double>>& typical) {
    chart.removeAllSeries();
    qDeleteAll(crossingLabelItems(chart));
    chart.legend()->hide();
    QValueAxis& x = valueAxis(chart, Qt::AlignBottom);
    x.setTitleText(fieldCaption);
    QValueAxis& y = valueAxis(chart, Qt::AlignLeft);
    y.setTitleText(stressAxisTitle(data.units));

    const Bounds swept = sweptBounds(data);
    shadeOutsideTypical(chart, swept, typical, x, y);
    for (ChartCurve curve : data.curves) {
        QList<QPointF> points;
        for (const DesignChartPoint& point : data.points) {
            if (!point.faulted) {
                points.append({point.value, point.stress(curve)});
            }
        }
        auto* line = new QLineSeries;
        line->setName(QString::fromUtf8(curveTitle(curve)));
        line->setObjectName(QString::fromUtf8(curveColumnName(curve)));
        line->setColor(CurveColors[static_cast<std::size_t>(curve)]);
        line->replace(points);
        attach(chart, *line, x, y);
    }
    plotAllowable(chart, data, std::nullopt);
}

void plotAllowable(QChart& chart, const DesignChartData& data, std::optional<double> allowable) {
    qDeleteAll(crossingLabelItems(chart));
    QList<QLineSeries*> curves;
    QList<QAreaSeries*> shades;
    for (QAbstractSeries* series : chart.series()) {
        if (series->objectName() == AllowableName || series->objectName().startsWith(CrossingPrefix)) {
            chart.removeSeries(series);
            delete series;
        } else if (auto* shade = qobject_cast<QAreaSeries*>(series)) {
            shades.append(shade);
        } else {
            curves.append(qobject_cast<QLineSeries*>(series));
        }
    }
    QValueAxis& x = valueAxis(chart, Qt::AlignBottom);
    QValueAxis& y = valueAxis(chart, Qt::AlignLeft);
    const Bounds swept = sweptBounds(data);
    Bounds stresses;
    for (const DesignChartPoint& point : data.points) {
        for (ChartCurve curve : data.curves) {
            if (!point.faulted) {
                stresses.include(point.stress(curve));
            }
        }
    }
    if (allowable && !swept.empty()) {
        stresses.include(*allowable);
        auto* line = new QLineSeries;
        line->setName(QStringLiteral("Allowable Stress"));
        line->setObjectName(AllowableName);
        line->setPen(QPen(AllowableColor, 2, Qt::DashLine));
        line->append(swept.low, *allowable);
        line->append(swept.high, *allowable);
        attach(chart, *line, x, y);
        markCrossings(chart, data, curves, *allowable, swept.high - swept.low, x, y);
    }
    // Attaching a series may move the axes: their ranges are set once every series is attached.
    setAxisRange(x, swept, 0);
    setRoundTicks(x);
    setAxisRange(y, stresses, StressMargin);
    y.applyNiceNumbers();
    for (QAreaSeries* shade : shades) {
        const double from = shade->upperSeries()->at(0).x();
        const double to = shade->upperSeries()->at(1).x();
        shade->upperSeries()->replace({{from, y.max()}, {to, y.max()}});
        shade->lowerSeries()->replace({{from, y.min()}, {to, y.min()}});
    }
}

QStringList placeCrossingLabels(QChart& chart) {
    LabelObstacles obstacles;
    for (QAbstractSeries* series : chart.series()) {
        if (const auto* mark = qobject_cast<QScatterSeries*>(series)) {
            for (const QPointF& at : mark->points()) {
                const QPointF centre = chart.mapToPosition(at, series);
                obstacles.boxes.push_back({centre.x() - CrossingMarkSize / 2,
                                           centre.y() - CrossingMarkSize / 2, CrossingMarkSize,
                                           CrossingMarkSize});
            }
        } else if (const auto* line = qobject_cast<QLineSeries*>(series)) {
            std::vector<LabelPoint>& drawn = obstacles.lines.emplace_back();
            for (const QPointF& at : line->points()) {
                const QPointF position = chart.mapToPosition(at, series);
                drawn.push_back({position.x(), position.y()});
            }
        }
    }
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
        placeLabels(anchors, {plot.left(), plot.top(), plot.width(), plot.height()}, LabelGap, obstacles);
    QStringList unplaced;
    for (qsizetype index = 0; index < labels.size(); ++index) {
        const std::optional<LabelBox>& box = boxes[static_cast<std::size_t>(index)];
        labels[index]->setVisible(box.has_value());
        if (box) {
            labels[index]->setPos(QPointF(box->left, box->top) - labels[index]->boundingRect().topLeft());
        } else {
            unplaced << labels[index]->text();
        }
    }
    return unplaced;
}

QString designChartLegend(const QChart& chart) {
    QStringList entries;
    bool shaded = false;
    for (const QAbstractSeries* series : chart.series()) {
        QString symbol;
        QColor colour;
        if (qobject_cast<const QAreaSeries*>(series) != nullptr) {
            if (shaded) {
                continue;
            }
            shaded = true;
            symbol = QStringLiteral("&#9608;&#9608;");
            colour = OutsideTypicalOnWhite;
        } else if (const auto* line = qobject_cast<const QLineSeries*>(series)) {
            symbol = line->pen().style() == Qt::DashLine ? QStringLiteral("&#9472;&nbsp;&#9472;")
                                                         : QStringLiteral("&#9472;&#9472;&#9472;");
            colour = line->color();
        } else {
            continue;
        }
        entries << QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>&nbsp;%3")
                       .arg(colour.name(), symbol, htmlEscapedWords(series->name()));
    }
    return entries.join(QStringLiteral(" &nbsp; &nbsp; "));
}

} // namespace korvanex
