// SPDX-License-Identifier: Apache-2.0
#include "app/design_chart_window.h"

#include "app/background_work.h"
#include "app/busy_mark.h"
#include "app/saved_file.h"
#include "app/window_parts.h"
#include "app/window_picture.h"

#include "app/design_chart_plot.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/typical_ranges.h"
#include "case/unit_conversion.h"
#include "dialogs/user_prompt.h"
#include "formats/design_chart_text.h"
#include "io/case_columns.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace korvanex {

namespace {

constexpr int DefaultPoints = 41;
constexpr int MinimumPoints = 2;
constexpr int MaximumPoints = 1000;

// A range bound or an allowable stress: one number within single precision, as the sweep takes it.
bool isNumberText(const QString& text) {
    return finiteNumber(text.toStdString(), std::numeric_limits<float>::max()).has_value();
}

// A typical bound in the fewest decimal digits that read back as the same float.
QString typicalBoundText(float bound) {
    return QString::fromStdString(fixedFloatText(bound));
}

QString faultNote(int faultedPoints) {
    if (faultedPoints == 0) {
        return {};
    }
    if (faultedPoints == 1) {
        return QStringLiteral("1 point left out: the computation faulted there.");
    }
    return QStringLiteral("%1 points left out: the computation faulted there.").arg(faultedPoints);
}

QLabel* addLabel(QGridLayout& grid, const QString& caption, QWidget& buddy, int row, int column) {
    auto* label = new QLabel(caption);
    label->setBuddy(&buddy);
    grid.addWidget(label, row, column);
    return label;
}

} // namespace

frmDesignChart::frmDesignChart(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt), work_(new BackgroundWork(this)),
      rangeUnits_(record.units) {
    setObjectName(QStringLiteral("frmDesignChart"));
    setWindowTitle(QStringLiteral("Design Chart"));
    setSizeGripEnabled(true);
    createControls();
    showCaseVocabulary();
    setTypicalRange();

    connect(cboField_, &QComboBox::currentIndexChanged, this, [this] {
        setTypicalRange();
        recompute();
    });
    connect(txtFrom_, &QLineEdit::editingFinished, this, &frmDesignChart::takeRange);
    connect(txtTo_, &QLineEdit::editingFinished, this, &frmDesignChart::takeRange);
    connect(spnPoints_, &QSpinBox::valueChanged, this, &frmDesignChart::recompute);
    connect(txtAllowable_, &QLineEdit::textChanged, this, &frmDesignChart::allowableTyped);
    connect(txtAllowable_, &QLineEdit::editingFinished, this, &frmDesignChart::allowableFinished);
    connect(work_, &BackgroundWork::finished, this, &frmDesignChart::resultsReady);
    recompute();
}

QSize frmDesignChart::sizeHint() const {
    return {920, 640};
}

void frmDesignChart::createControls() {
    cboField_ = new QComboBox;
    cboField_->setObjectName(QStringLiteral("cboField"));
    for (const CaseColumn& column : caseColumns()) {
        if (column.kind == CaseColumn::Kind::Number) {
            cboField_->addItem(QString::fromUtf8(fieldName(column.field)), static_cast<int>(column.field));
        }
    }
    cboField_->setCurrentIndex(cboField_->findData(static_cast<int>(Field::h1)));
    txtFrom_ = new QLineEdit;
    txtFrom_->setObjectName(QStringLiteral("txtFrom"));
    txtTo_ = new QLineEdit;
    txtTo_->setObjectName(QStringLiteral("txtTo"));
    spnPoints_ = new QSpinBox;
    spnPoints_->setObjectName(QStringLiteral("spnPoints"));
    spnPoints_->setRange(MinimumPoints, MaximumPoints);
    spnPoints_->setValue(DefaultPoints);
    spnPoints_->setKeyboardTracking(false);
    txtAllowable_ = new QLineEdit;
    txtAllowable_->setObjectName(QStringLiteral("txtAllowable"));
    txtAllowable_->setPlaceholderText(QStringLiteral("none"));

    auto* inputs = new QGridLayout;
    addLabel(*inputs, QStringLiteral("&Field:"), *cboField_, 0, 0);
    inputs->addWidget(cboField_, 0, 1, 1, 3);
    lblAllowable_ = addLabel(*inputs, QString(), *txtAllowable_, 0, 4);
    lblAllowable_->setObjectName(QStringLiteral("lblAllowable"));
    inputs->addWidget(txtAllowable_, 0, 5);
    addLabel(*inputs, QStringLiteral("F&rom:"), *txtFrom_, 1, 0);
    inputs->addWidget(txtFrom_, 1, 1);
    addLabel(*inputs, QStringLiteral("&To:"), *txtTo_, 1, 2);
    inputs->addWidget(txtTo_, 1, 3);
    addLabel(*inputs, QStringLiteral("&Points:"), *spnPoints_, 1, 4);
    inputs->addWidget(spnPoints_, 1, 5);
    inputs->setColumnStretch(1, 1);
    inputs->setColumnStretch(3, 1);

    lblRange_ = new QLabel;
    lblRange_->setObjectName(QStringLiteral("lblRange"));
    lblRange_->setStyleSheet(QStringLiteral("color: #c80000"));
    lblRange_->hide();

    chart_ = new QChart;
    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(400, 300);
    connect(chart_, &QChart::plotAreaChanged, this, &frmDesignChart::placeLabels);

    // The legend stands under the plot, where every name has room in full.
    lblLegend_ = new QLabel;
    lblLegend_->setObjectName(QStringLiteral("lblLegend"));
    lblLegend_->setWordWrap(true);
    lblLegend_->setAlignment(Qt::AlignCenter);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("chartPanel"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(chartView_, 1);
    panelLayout->addWidget(lblLegend_);

    lblNote_ = new QLabel;
    lblNote_->setObjectName(QStringLiteral("lblNote"));
    lblNote_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    addPictureButtons(*buttons, ChartPictureButtons, prompt_, *this,
                      widgetPicture(*panel, [this] { work_->waitForEnd(); }),
                      QStringLiteral("The chart was not saved: "));
    connect(addButton(*buttons, "cmdSaveCsv", QStringLiteral("Save &CSV...")), &QPushButton::clicked, this,
            &frmDesignChart::saveCsv);
    buttons->addWidget(new BusyMark(*work_, this));
    buttons->addStretch();
    connect(addButton(*buttons, "cmdClose", QStringLiteral("Close")), &QPushButton::clicked, this,
            &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(lblRange_);
    layout->addWidget(panel, 1);
    layout->addWidget(lblNote_);
    layout->addLayout(buttons);
}

// The captions follow the case: reading a case file may change the unit system and the wording.
void frmDesignChart::showCaseVocabulary() {
    for (int index = 0; index < cboField_->count(); ++index) {
        const auto field = static_cast<Field>(cboField_->itemData(index).toInt());
        cboField_->setItemText(index, QString::fromStdString(record_.caption(field)));
    }
    lblAllowable_->setText(
        QStringLiteral("&Allowable Stress (%1):").arg(QString::fromUtf8(stressUnitWord(record_.units))));
}

void frmDesignChart::setTypicalRange() {
    const auto field = static_cast<Field>(cboField_->currentData().toInt());
    const std::optional<TypicalRange> range = typicalRange(field, record_.units);
    fromText_ = range ? typicalBoundText(range->minimum) : QString();
    toText_ = range ? typicalBoundText(range->maximum) : QString();
    txtFrom_->setText(fromText_);
    txtTo_->setText(toText_);
    lblRange_->hide();
}

void frmDesignChart::refresh() {
    showCaseVocabulary();
    if (record_.units != rangeUnits_) {
        // A range and an allowable stress typed in the other unit system would mean other values.
        rangeUnits_ = record_.units;
        setTypicalRange();
        const QSignalBlocker blocker(txtAllowable_);
        allowable_.reset();
        allowableText_.clear();
        txtAllowable_->clear();
    }
    recompute();
}

bool frmDesignChart::isComputing() const {
    return work_->isBusy();
}

// A range whose From is not below its To is refused with a message, and the chart keeps the range it
// shows until the two are put right.
void frmDesignChart::takeRange() {
    if (!isNumberText(txtFrom_->text())) {
        txtFrom_->setText(fromText_);
    }
    if (!isNumberText(txtTo_->text())) {
        txtTo_->setText(toText_);
    }
    if (!(numericPrefix(txtFrom_->text().toStdString()) < numericPrefix(txtTo_->text().toStdString()))) {
        lblRange_->setText(
            QStringLiteral("From must be less than To; the chart shows %1 to %2.").arg(fromText_, toText_));
        lblRange_->show();
        return;
    }
    lblRange_->hide();
    if (txtFrom_->text() == fromText_ && txtTo_->text() == toText_) {
        return;
    }
    fromText_ = txtFrom_->text();
    toText_ = txtTo_->text();
    recompute();
}

// The allowable line follows the text as it is typed: a number draws it there, an empty box takes
// it away, and a text on its way to a number ("-", "3e") leaves the chart as it is.
void frmDesignChart::allowableTyped() {
    const QString text = txtAllowable_->text().trimmed();
    if (text == allowableText_ || (!text.isEmpty() && !isNumberText(text))) {
        return;
    }
    allowableText_ = text;
    allowable_.reset();
    if (!text.isEmpty()) {
        allowable_ = numericPrefix(text.toStdString());
    }
    redrawAllowable();
}

// A text left that is not a number goes back to the one the chart is drawn from.
void frmDesignChart::allowableFinished() {
    if (txtAllowable_->text().trimmed() != allowableText_) {
        txtAllowable_->setText(allowableText_);
    }
}

void frmDesignChart::recompute() {
    SweepRange range;
    range.field = static_cast<Field>(cboField_->currentData().toInt());
    range.from = numericPrefix(fromText_.toStdString());
    range.to = numericPrefix(toText_.toStdString());
    range.points = spnPoints_->value();
    work_->request([this, record = record_, range](std::stop_token, const BackgroundWork::Deliver& deliver) {
        DesignChartData data = computeDesignChart(record, range);
        deliver([this, data = std::move(data)] {
            data_ = data;
            redraw();
        });
    });
}

// The typical range is shaded as the range boxes show its bounds, so that a range from bound to
// bound shades nothing.
void frmDesignChart::redraw() {
    const std::optional<TypicalRange> range = typicalRange(data_.field, data_.units);
    std::optional<std::pair<double, double>> typical;
    if (range) {
        typical = {numericPrefix(typicalBoundText(range->minimum).toStdString()),
                   numericPrefix(typicalBoundText(range->maximum).toStdString())};
    }
    plotDesignChart(*chart_, data_, QString::fromStdString(record_.caption(data_.field)), typical);
    redrawAllowable();
}

void frmDesignChart::redrawAllowable() {
    plotAllowable(*chart_, data_, allowable_);
    lblLegend_->setText(designChartLegend(*chart_));
    placeLabels();
}

// Crossings that find no room on the plot are listed under it, after the faulted points.
void frmDesignChart::placeLabels() {
    const QStringList unplaced = placeCrossingLabels(*chart_);
    QStringList note;
    const QString faults = faultNote(data_.faultedPoints);
    if (!faults.isEmpty()) {
        note << faults;
    }
    if (!unplaced.isEmpty()) {
        note << QStringLiteral("Crossings: ") + unplaced.join(QStringLiteral("; "));
    }
    lblNote_->setText(note.join(QLatin1Char(' ')));
}

void frmDesignChart::saveCsv() {
    const QString path = prompt_.saveFileName(this, QStringLiteral("(*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    work_->waitForEnd();
    saveChosenFile(prompt_, this, path, QByteArray::fromStdString(designChartCsv(data_)),
                   QStringLiteral("The chart data was not saved: "));
}

} // namespace korvanex
