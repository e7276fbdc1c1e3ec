#include "app/design_chart_plot.h"

#include <QChart>
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
// Crossings nearer than this part of the swept span to the first of a group share one label, so that
// the labels of curves crossing close together do not overprint one another.
constexpr double SharedLabelReach = 0.15;

struct Crossing {
    double value;
    qsizetype line;
};

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

// A mark in the colour of its curve at every crossing; the first mark of each group of crossings close
// together carries the label of the whole group.
void markCrossings(QChart& chart, const DesignChartData& data, const QList<QLineSeries*>& lines,
                   double allowable, double span, QValueAxis& x, QValueAxis& y) {
    std::vector<Crossing> crossings;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        for (double value :
             allowableCrossings(data, data.curves[static_cast<std::size_t>(line)], allowable)) {
            crossings.push_back({value, line});
        }
    }
    std::stable_sort(crossings.begin(), crossings.end(),
                     [](const Crossing& a, const Crossing& b) { return a.value < b.value; });

    std::size_t groupStart = 0;
    for (std::size_t index = 0; index < crossings.size(); ++index) {
        const Crossing& crossing = crossings[index];
        const QLineSeries& line = *lines[crossing.line];
        auto* mark = new QScatterSeries;
        mark->setName(QString::fromStdString(crossingLabel(data.field, {&crossing.value, 1}, span)));
        mark->setObjectName(QStringLiteral("Crossing") + line.objectName());
        mark->setColor(line.color());
        mark->setMarkerSize(CrossingMarkSize);
        mark->append(crossing.value, allowable);
        if (index == groupStart) {
            std::vector<double> group;
            while (groupStart < crossings.size() &&
                   crossings[groupStart].value - crossing.value <= SharedLabelReach * span) {
                group.push_back(crossings[groupStart++].value);
            }
            // The label is the whole format: it holds none of the series' @ placeholders.
            mark->setPointLabelsFormat(QString::fromStdString(crossingLabel(data.field, group, span)));
            mark->setPointLabelsVisible(true);
            mark->setPointLabelsClipping(false);
        }
        attach(chart, *mark, x, y);
        hideFromLegend(chart, *mark);
    }
}

} // namespace

QString stressAxisTitle(UnitSystem units) {
    return units == UnitSystem::Metric ? QStringLiteral("Stress (kPa)") : QStringLiteral("Stress (psi)");
}

void plotDesignChart(QChart& chart, const DesignChartData& data, const QString& fieldCaption,
                     std::optional<double> allowable) {
    chart.removeAllSeries();
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

} // namespace korvanex
