// SPDX-License-Identifier: Apache-2.0
// The design chart window through its reference file tests/data/windows/design-chart.txt: its fields,
// axis titles and ranges, note and series (name, point count, first and last point, marks) after each step.

#include "app/design_chart_window.h"
#include "widget_test.h"

#include <QAreaSeries>
#include <QGraphicsSimpleTextItem>
#include <QScatterSeries>
#include <QSpinBox>
#include <QValueAxis>

#include <algorithm>

using namespace korvanex;

namespace {

frmDesignChart& openChart(const frmMain& window) {
    trigger(window, "mnuDesignChart");
    frmDesignChart& chart = child<frmDesignChart>(window, "frmDesignChart");
    waitForResults(chart);
    return chart;
}

QChart& chartOf(const frmDesignChart& window) {
    return *child<QChartView>(window, "chartView").chart();
}

// The chart's series of one kind whose object name starts with the given text.
template <class Series> QList<Series*> seriesNamed(const frmDesignChart& window, const QString& prefix) {
    QList<Series*> found;
    for (QAbstractSeries* series : chartOf(window).series()) {
        auto* typed = qobject_cast<Series*>(series);
        if (typed != nullptr && series->objectName().startsWith(prefix)) {
            found.append(typed);
        }
    }
    return found;
}

// Types a value into a text box and presses Return, as the user does, and waits for the chart.
void enter(frmDesignChart& window, const char* name, const QString& text) {
    QLineEdit& edit = child<QLineEdit>(window, name);
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
    waitForResults(window);
}

// Whether a line segment runs through a box: an end inside it, or a crossing with one of its sides.
bool crosses(const QRectF& box, const QLineF& segment) {
    if (box.contains(segment.p1()) || box.contains(segment.p2())) {
        return true;
    }
    const QLineF sides[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    return std::any_of(std::begin(sides), std::end(sides), [&segment](const QLineF& side) {
        return segment.intersects(side) == QLineF::BoundedIntersection;
    });
}

QString point(const QPointF& at) {
    return QStringLiteral("(%1, %2)").arg(at.x(), 0, 'g', 6).arg(at.y(), 0, 'g', 6);
}

QString describeChart(const frmDesignChart& window) {
    QString seen = describe(window) + QStringLiteral("field: ") +
                   child<QComboBox>(window, "cboField").currentText() + QStringLiteral(", points: ") +
                   QString::number(child<QSpinBox>(window, "spnPoints").value()) + '\n';
    for (const QAbstractAxis* axis : chartOf(window).axes()) {
        const auto* values = qobject_cast<const QValueAxis*>(axis);
        seen += QStringLiteral("axis: %1 from %2 to %3\n")
                    .arg(axis->titleText())
                    .arg(values->min())
                    .arg(values->max());
    }
    for (QAbstractSeries* series : chartOf(window).series()) {
        if (const auto* area = qobject_cast<QAreaSeries*>(series)) {
            seen += QStringLiteral("%1 \"%2\": %3 to %4\n")
                        .arg(series->objectName(), series->name())
                        .arg(area->upperSeries()->at(0).x())
                        .arg(area->upperSeries()->at(1).x());
            continue;
        }
        const auto* xy = qobject_cast<QXYSeries*>(series);
        seen +=
            QStringLiteral("%1 \"%2\": %3 points").arg(series->objectName(), series->name()).arg(xy->count());
        if (xy->count() > 0) {
            seen +=
                QLatin1Char(' ') + point(xy->at(0)) + QStringLiteral(" to ") + point(xy->at(xy->count() - 1));
        }
        seen += xy->pointLabelsVisible() ? QStringLiteral(" label ") + xy->pointLabelsFormat() + '\n'
                                         : QStringLiteral("\n");
    }
    return seen;
}

} // namespace

class DesignChartTest : public QObject {
    Q_OBJECT

  private slots:
    void theChartAfterEachStep();
    void theAllowableIsDrawnAsTypedAndARangeRunningBackwardsIsRefused();
    void crossingLabelsStayClearOfEachOtherTheCurvesAndTheAxes();
};

// From 4 to 20 in 40 steps the eleventh point is h1 = 8; a subgrade modulus of zero or below faults; an
// allowable stress meets the loading stress where the reference says.
void DesignChartTest::theChartAfterEachStep() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    window.show();
    frmDesignChart& chart = openChart(window);
    QString seen;
    const auto look = [&](const char* step) {
        seen += QStringLiteral("== %1\n").arg(QLatin1String(step)) + describeChart(chart);
    };
    const auto sweep = [&](const char* from, const char* to, int points) {
        enter(chart, "txtFrom", QLatin1String(from));
        enter(chart, "txtTo", QLatin1String(to));
        child<QSpinBox>(chart, "spnPoints").setValue(points);
        waitForResults(chart);
    };
    look("opened");
    sweep("8", "10", 5);
    look("5 points from 8 to 10");
    enter(chart, "txtAllowable", QStringLiteral("300"));
    look("allowable 300");
    QComboBox& fields = child<QComboBox>(chart, "cboField");
    fields.setCurrentIndex(fields.findData(static_cast<int>(Field::k)));
    sweep("-2", "38", 41);
    look("k from -2 to 38");
    enter(chart, "txtFrom", QStringLiteral("soft"));
    look("from soft");
    trigger(window, "mnuStressAxleData");
    click(child<frmWheel>(window, "frmWheel"), "interior_loc");
    click(child<frmWheel>(window, "frmWheel"), "OK");
    waitForResults(chart);
    look("interior");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(matchesGolden("windows/design-chart.txt", seen));

    ScriptedPrompt metricPrompt;
    frmMain metric(metricPrompt);
    trigger(metric, "MetricOption");
    QVERIFY(matchesGolden("windows/design-chart-metric.txt", describeChart(openChart(metric))));
}

// Each key typed redraws the allowable line at once, a text on its way to a number ("35e") keeping the
// line where it was; From above To is refused in the window, neither swapped nor drawn.
void DesignChartTest::theAllowableIsDrawnAsTypedAndARangeRunningBackwardsIsRefused() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    QLineEdit& allowable = child<QLineEdit>(chart, "txtAllowable");
    const auto allowableLine = [&chart] {
        const QList<QLineSeries*> lines = seriesNamed<QLineSeries>(chart, QStringLiteral("AllowableStress"));
        return lines.isEmpty() ? QString() : QString::number(lines[0]->at(0).y());
    };
    const std::pair<QString, QString> keys[] = {{"3", "3"}, {"5", "35"}, {"e", "35"}, {"2", "3500"}};
    for (const auto& [key, drawn] : keys) {
        QTest::keyClicks(&allowable, key);
        QCOMPARE(allowableLine(), QString::number(drawn.toDouble()));
    }
    allowable.clear();
    QCOMPARE(allowableLine(), QString());

    enter(chart, "txtTo", QStringLiteral("12"));
    enter(chart, "txtFrom", QStringLiteral("50"));
    QVERIFY(shown(chart, "lblRange"));
    QCOMPARE(child<QLabel>(chart, "lblRange").text(),
             QStringLiteral("From must be less than To; the chart shows 4 to 12."));
    QCOMPARE(text(chart, "txtFrom"), QStringLiteral("50"));
    const auto loading = [&chart] {
        const QLineSeries& line = *seriesNamed<QLineSeries>(chart, QStringLiteral("LoadingStressOnly"))[0];
        return point(line.at(0)) + QStringLiteral(" to ") + point(line.at(line.count() - 1));
    };
    QCOMPARE(loading(), QStringLiteral("(4, 924.605) to (12, 168.082)"));
    enter(chart, "txtTo", QStringLiteral("60"));
    QVERIFY(!shown(chart, "lblRange"));
    QCOMPARE(loading(), QStringLiteral("(50, 14.1773) to (60, 10.5156)"));
}

// Without a temperature differential the loading and the combined stress are one curve twice: an
// allowable stress halfway between the loading stress at h1 = 8 and 8.4 is crossed twice at 8.20, and
// each crossing gets a label of its own inside the plot, clear of the others, of every line and of the
// axes.
void DesignChartTest::crossingLabelsStayClearOfEachOtherTheCurvesAndTheAxes() {
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    const QList<QLineSeries*> loading = seriesNamed<QLineSeries>(chart, QStringLiteral("LoadingStressOnly"));
    QCOMPARE(loading.size(), 1);
    const double allowable = (loading[0]->at(10).y() + loading[0]->at(11).y()) / 2;
    enter(chart, "txtAllowable", QString::number(allowable, 'g', 17));

    QChart& plot = chartOf(chart);
    QTRY_VERIFY(!plot.plotArea().isEmpty());
    QStringList labels;
    QList<QRectF> boxes;
    for (const QGraphicsItem* item : plot.childItems()) {
        if (const auto* label = dynamic_cast<const QGraphicsSimpleTextItem*>(item);
            label && label->isVisible()) {
            labels << label->text();
            boxes << label->mapRectToParent(label->boundingRect());
        }
    }
    QCOMPARE(labels.count(QStringLiteral("h1 = 8.20")), 2);
    QCOMPARE(labels.size(), seriesNamed<QScatterSeries>(chart, QStringLiteral("Crossing")).size());
    for (qsizetype index = 0; index < boxes.size(); ++index) {
        QVERIFY(plot.plotArea().contains(boxes[index]));
        for (qsizetype other = 0; other < index; ++other) {
            QVERIFY(!boxes[index].intersects(boxes[other]));
        }
        for (QLineSeries* line : seriesNamed<QLineSeries>(chart, QString())) {
            for (qsizetype point = 1; point < line->count(); ++point) {
                const QLineF drawn(plot.mapToPosition(line->at(point - 1), line),
                                   plot.mapToPosition(line->at(point), line));
                QVERIFY2(!crosses(boxes[index], drawn), qPrintable(labels[index] + " on " + line->name()));
            }
        }
    }
}

QTEST_MAIN(DesignChartTest)
#include "design_chart_test.moc"
