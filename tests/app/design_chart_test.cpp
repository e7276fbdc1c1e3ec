// SPDX-License-Identifier: Apache-2.0
// The design chart window through its reference file tests/data/windows/design-chart.txt: its fields,
// axis titles, note and series (name, point count, first and last point, marks) after each step.

#include "app/design_chart_window.h"
#include "widget_test.h"

#include <QGraphicsSimpleTextItem>
#include <QScatterSeries>
#include <QSpinBox>

using namespace korvanex;

namespace {

frmDesignChart& openChart(const frmMain& window) {
    trigger(window, "mnuDesignChart");
    return child<frmDesignChart>(window, "frmDesignChart");
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

// Types a value into a text box and presses Return, as the user does.
void enter(const frmDesignChart& window, const char* name, const QString& text) {
    QLineEdit& edit = child<QLineEdit>(window, name);
    edit.selectAll();
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

QString point(const QPointF& at) {
    return QStringLiteral("(%1, %2)").arg(at.x(), 0, 'g', 6).arg(at.y(), 0, 'g', 6);
}

QString describeChart(const frmDesignChart& window) {
    QString seen = describe(window) + QStringLiteral("field: ") +
                   child<QComboBox>(window, "cboField").currentText() + QStringLiteral(", points: ") +
                   QString::number(child<QSpinBox>(window, "spnPoints").value()) + '\n';
    for (const QAbstractAxis* axis : chartOf(window).axes()) {
        seen += QStringLiteral("axis: ") + axis->titleText() + '\n';
    }
    for (QAbstractSeries* series : chartOf(window).series()) {
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
    void crossingLabelsStayClearOfEachOtherAndTheAxes();
};

// From 4 to 20 in 40 steps the eleventh point is h1 = 8; a subgrade modulus of zero or below faults; an
// allowable stress meets the loading stress where the reference says.
void DesignChartTest::theChartAfterEachStep() {
    Desk desk;
    ScriptedPrompt prompt;
    frmMain window(prompt);
    frmDesignChart& chart = openChart(window);
    QString seen;
    const auto look = [&](const char* step) {
        seen += QStringLiteral("== %1\n").arg(QLatin1String(step)) + describeChart(chart);
    };
    const auto sweep = [&](const char* from, const char* to, int points) {
        enter(chart, "txtFrom", QLatin1String(from));
        enter(chart, "txtTo", QLatin1String(to));
        child<QSpinBox>(chart, "spnPoints").setValue(points);
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
    QVERIFY(desk.activate(chart));
    look("interior");
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(matchesGolden("windows/design-chart.txt", seen));

    ScriptedPrompt metricPrompt;
    frmMain metric(metricPrompt);
    trigger(metric, "MetricOption");
    QVERIFY(matchesGolden("windows/design-chart-metric.txt", describeChart(openChart(metric))));
}

// Without a temperature differential the loading and the combined stress are one curve twice: an
// allowable stress halfway between the loading stress at h1 = 8 and 8.4 is crossed twice at 8.20, and
// each crossing gets a label of its own inside the plot, clear of the others and of the axes.
void DesignChartTest::crossingLabelsStayClearOfEachOtherAndTheAxes() {
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
    }
}

QTEST_MAIN(DesignChartTest)
#include "design_chart_test.moc"
