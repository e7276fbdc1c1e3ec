// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_chart.h"

#include "app/chart_axes.h"
#include "case/number_text.h"
#include "formats/fatigue_output.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvanex {

namespace {

const QColor TargetColor(200, 0, 0);
const QColor ReliabilityColor(0, 130, 60);
const QString ReliabilityAxisName = QStringLiteral("reliabilityAxis");
// The height a label of the damage axis takes, with the room between it and the next, in pixels, and
// the fewest and the most powers of ten labelled.
constexpr double DecadeLabelRoom = 30;
constexpr int FewestDecadeLabels = 2;
constexpr int MostDecadeLabels = 10;

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

// The damage axis: log10 of the damage, labelled every `step` decades from `lowest` to `highest`, with
// the line of a damage of 0 one step below the lowest.
struct DecadeScale {
    int lowest = 0;
    int highest = 0;
    int step = 1;

    int zeroLevel() const { return lowest - step; }
    // Where a damage stands on the axis; none for a damage that cannot be drawn.
    std::optional<double> level(double damage) const {
        if (damage == 0) {
            return zeroLevel();
        }
        if (!(damage > 0) || !std::isfinite(damage)) {
            return std::nullopt;
        }
        return std::log10(damage);
    }
};

// Labels on whole multiples of the step, from below the least damage above 0 to above the greatest.
DecadeScale decadeScale(double least, double greatest, int mostLabels) {
    const double low = std::floor(std::log10(least));
    const double high = std::ceil(std::log10(greatest));
    DecadeScale scale;
    scale.step = std::max(1, static_cast<int>(std::ceil((high - low) / std::max(1, mostLabels))));
    scale.lowest = static_cast<int>(std::floor(low / scale.step)) * scale.step;
    scale.highest = static_cast<int>(std::ceil(high / scale.step)) * scale.step;
    if (scale.highest == scale.lowest) {
        scale.highest += scale.step;
    }
    return scale;
}

void setDamageAxis(QCategoryAxis& axis, const DecadeScale& scale) {
    for (const QString& label : axis.categoriesLabels()) {
        axis.remove(label);
    }
    // The axis starts a little below the line of 0, so that the curve along it stays in view.
    axis.setStartValue(scale.zeroLevel() - 0.25 * scale.step);
    axis.setRange(scale.zeroLevel() - 0.25 * scale.step, scale.highest);
    axis.append(QStringLiteral("0"), scale.zeroLevel());
    for (int decade = scale.lowest; decade <= scale.highest; decade += scale.step) {
        axis.append(powerOfTenText(decade), decade);
    }
}

// The reliability against its own axis on the right, made with the first reliability and shown only
// while there is one.
void plotReliability(QChart& chart, QValueAxis& x, const std::vector<QPointF>& points) {
    QAbstractAxis* axis = nullptr;
    for (QAbstractAxis* vertical : chart.axes(Qt::Vertical)) {
        axis = vertical->objectName() == ReliabilityAxisName ? vertical : axis;
    }
    if (axis == nullptr && points.empty()) {
        return;
    }
    if (axis == nullptr) {
        auto* percent = new QValueAxis;
        percent->setObjectName(ReliabilityAxisName);
        percent->setTitleText(QStringLiteral("Reliability (%)"));
        percent->setRange(0, 100);
        percent->setLabelFormat(QStringLiteral("%g"));
        chart.addAxis(percent, Qt::AlignRight);
        axis = percent;
    }
    axis->setVisible(!points.empty());
    if (points.empty()) {
        return;
    }
    auto* reliability = new QLineSeries;
    reliability->setName(QStringLiteral("Reliability"));
    reliability->setObjectName(QStringLiteral("Reliability"));
    reliability->setPen(QPen(ReliabilityColor, 2));
    reliability->append(QList<QPointF>(points.begin(), points.end()));
    chart.addSeries(reliability);
    reliability->attachAxis(&x);
    reliability->attachAxis(axis);
}

} // namespace

int decadeLabelsFitting(double height) {
    return std::clamp(static_cast<int>(height / DecadeLabelRoom), FewestDecadeLabels, MostDecadeLabels);
}

QString powerOfTenText(int exponent) {
    static const QChar superscripts[] = {u'⁰', u'¹', u'²', u'³', u'⁴', u'⁵', u'⁶', u'⁷', u'⁸', u'⁹'};
    QString digits;
    for (const QChar digit : QString::number(std::abs(exponent))) {
        digits += superscripts[digit.digitValue()];
    }
    return QStringLiteral("10") + (exponent < 0 ? QStringLiteral("⁻") : QString()) + digits;
}

void plotDamageChart(QChart& chart, const DamageChart& data) {
    chart.removeAllSeries();
    if (chart.axes().isEmpty()) {
        chart.addAxis(new QValueAxis, Qt::AlignBottom);
        auto* damageAxis = new QCategoryAxis;
        damageAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        damageAxis->setTitleText(QStringLiteral("Total Damage (%)"));
        chart.addAxis(damageAxis, Qt::AlignLeft);
    }
    double least = data.targetPercent;
    double greatest = data.targetPercent;
    for (const ThicknessDamage& point : data.curve) {
        const std::optional<double> total = point.totalDamagePercent;
        if (total && *total > 0 && std::isfinite(*total)) {
            least = std::min(least, *total);
            greatest = std::max(greatest, *total);
        }
    }
    const DecadeScale scale = decadeScale(least, greatest, data.mostLabels);

    // A point where the damage is not known (a group faulted there) is passed over.
    auto* damage = new QLineSeries;
    damage->setName(QStringLiteral("Total Damage"));
    damage->setObjectName(QStringLiteral("TotalDamage"));
    for (const ThicknessDamage& point : data.curve) {
        if (const std::optional<double> level =
                point.totalDamagePercent ? scale.level(*point.totalDamagePercent) : std::nullopt) {
            damage->append(point.h1, *level);
        }
    }
    auto* x = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).first());
    x->setTitleText(data.thicknessCaption);
    const double thinnest = thicknessGridValue(data.units, 0);
    const double thickest = thicknessGridValue(data.units, thicknessGridPoints(data.units) - 1);
    x->setRange(thinnest, thickest);
    setRoundTicks(*x);
    x->setLabelFormat(QStringLiteral("%g"));
    auto* y = qobject_cast<QCategoryAxis*>(chart.axes(Qt::Vertical).first());
    setDamageAxis(*y, scale);

    auto* target = new QLineSeries;
    target->setName(QStringLiteral("Target %1 %").arg(text(formatFixed(data.targetPercent, 2))));
    target->setObjectName(QStringLiteral("Target"));
    target->setPen(QPen(TargetColor, 2, Qt::DashLine));
    target->append(thinnest, *scale.level(data.targetPercent));
    target->append(thickest, *scale.level(data.targetPercent));
    QList<QAbstractSeries*> drawn{damage, target};
    if (data.thickness && data.thickness->status == RequiredThickness::Status::Found) {
        auto* mark = new QScatterSeries;
        mark->setName(QStringLiteral("Required h1 = ") +
                      text(requiredThicknessText(*data.thickness, data.units)));
        mark->setObjectName(QStringLiteral("RequiredThickness"));
        mark->setMarkerSize(10);
        mark->append(data.thickness->h1,
                     scale.level(data.thickness->totalDamagePercent).value_or(scale.zeroLevel()));
        drawn.append(mark);
    }
    for (QAbstractSeries* series : drawn) {
        chart.addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    plotReliability(chart, *x, data.reliability);
}

} // namespace korvanex
