// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"

#include "app/background_work.h"
#include "app/busy_mark.h"
#include "app/fatigue_chart.h"
#include "app/fatigue_print.h"
#include "app/saved_file.h"
#include "app/spectrum_table.h"
#include "app/text_table_model.h"
#include "app/window_parts.h"
#include "app/window_picture.h"

#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/user_prompt.h"
#include "formats/fatigue_output.h"
#include "io/file_access.h"
#include "studies/batch.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>

namespace korvanex {

namespace {

// The example spectrum and modulus of rupture of each unit system: the metric loads are the English
// ones in kN rounded to whole kN, the temperature differential in oC, and 650 psi is 4,480 kPa.
struct Example {
    QString spectrum;
    QString modulusOfRupture;
};
const Example Examples[] = {{QStringLiteral(":/examples/traffic-loads.csv"), QStringLiteral("650")},
                            {QStringLiteral(":/examples/traffic-loads-metric.csv"), QStringLiteral("4480")}};

const Example& exampleOf(UnitSystem units) {
    return Examples[static_cast<int>(units)];
}

// About this many points of the thickness grid are drawn, evenly spaced: every tenth in inches.
constexpr int ChartPoints = 160;
// The rows of the results whose texts set the widths of the columns.
constexpr int ResultRowsMeasured = 50;
// How clearly a chart still to be redrawn for the results shown shows.
constexpr double StaleChartOpacity = 0.35;
const char* const ConstantNames[] = {"txtC1", "txtC2", "txtC4", "txtC5"};
const char* const ConstantCaptions[] = {"C&1:", "C&2:", "C&4:", "C&5:"};

std::optional<double> numberIn(const QLineEdit& edit) {
    return finiteNumber(edit.text().toStdString());
}

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QLineEdit* newEdit(const char* name, const QString& value) {
    auto* edit = new QLineEdit(value);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QGroupBox* group(const QString& title, QLayout* content) {
    auto* box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}

} // namespace

frmFatigue::frmFatigue(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt), work_(new BackgroundWork(this)),
      units_(record.units) {
    setObjectName(QStringLiteral("frmFatigue"));
    setWindowTitle(QStringLiteral("Fatigue"));
    setSizeGripEnabled(true);

    auto* left = new QVBoxLayout;
    left->addWidget(group(QStringLiteral("Traffic Spectrum"), createSpectrumSection()), 1);
    left->addWidget(group(QStringLiteral("Fatigue Model"), createSettingsSection()));
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(createResultsSection(), 2);

    auto* buttons = new QHBoxLayout;
    connect(addButton(*buttons, "cmdSaveTable", QStringLiteral("Save &Table...")), &QPushButton::clicked,
            this, &frmFatigue::saveTable);
    addPictureButtons(*buttons, ChartPictureButtons, prompt_, *this,
                      widgetPicture(*chartView_, [this] { work_->waitForEnd(); }),
                      QStringLiteral("The file was not saved: "));
    connect(addButton(*buttons, "cmdPrint", QStringLiteral("&Print...")), &QPushButton::clicked, this,
            &frmFatigue::printAll);
    buttons->addWidget(new BusyMark(*work_, this));
    buttons->addStretch();
    connect(addButton(*buttons, "cmdClose", QStringLiteral("Close")), &QPushButton::clicked, this,
            &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(work_, &BackgroundWork::finished, this, &frmFatigue::resultsReady);
    showExample();
    recompute();
}

QSize frmFatigue::sizeHint() const {
    return {1100, 760};
}

QLayout* frmFatigue::createSpectrumSection() {
    tblSpectrum_ = new SpectrumTable;
    lblExample_ = new QLabel(QStringLiteral("An example spectrum, for illustration only: replace it with the "
                                            "design traffic."));
    lblExample_->setObjectName(QStringLiteral("lblExample"));
    lblExample_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    connect(addButton(*buttons, "cmdAddRow", QStringLiteral("A&dd Row")), &QPushButton::clicked, this,
            &frmFatigue::addRow);
    connect(addButton(*buttons, "cmdRemoveRow", QStringLiteral("R&emove Row")), &QPushButton::clicked, this,
            &frmFatigue::removeRow);
    connect(addButton(*buttons, "cmdImport", QStringLiteral("&Import CSV...")), &QPushButton::clicked, this,
            &frmFatigue::importCsv);
    connect(addButton(*buttons, "cmdExport", QStringLiteral("E&xport CSV...")), &QPushButton::clicked, this,
            &frmFatigue::exportCsv);
    connect(tblSpectrum_, &QTableWidget::itemChanged, this, &frmFatigue::spectrumEdited);

    auto* section = new QVBoxLayout;
    section->addWidget(tblSpectrum_, 1);
    section->addWidget(lblExample_);
    section->addLayout(buttons);
    return section;
}

QLayout* frmFatigue::createSettingsSection() {
    auto* inputs = new QFormLayout;
    txtModulus_ = newEdit("txtModulus", QString());
    lblModulus_ = new QLabel;
    lblModulus_->setBuddy(txtModulus_);
    inputs->addRow(lblModulus_, txtModulus_);
    cboModel_ = new QComboBox;
    cboModel_->setObjectName(QStringLiteral("cboModel"));
    cboStress_ = new QComboBox;
    cboStress_->setObjectName(QStringLiteral("cboStress"));
    for (FatigueModel model : {FatigueModel::Pca, FatigueModel::Power}) {
        cboModel_->addItem(QString::fromUtf8(wordOf(FatigueModelWords, model)), static_cast<int>(model));
    }
    for (FatigueStress stress : {FatigueStress::Combined, FatigueStress::Loading, FatigueStress::EdgeModel}) {
        cboStress_->addItem(QString::fromUtf8(wordOf(FatigueStressWords, stress)), static_cast<int>(stress));
    }
    inputs->addRow(QStringLiteral("&Model:"), cboModel_);
    const PowerModelConstants defaults;
    const double defaultConstants[] = {defaults.c1, defaults.c2, defaults.c4, defaults.c5};
    for (int index = 0; index < 4; ++index) {
        txtConstants_[index] = newEdit(ConstantNames[index], QString::number(defaultConstants[index]));
        inputs->addRow(QString::fromLatin1(ConstantCaptions[index]), txtConstants_[index]);
    }
    inputs->addRow(QStringLiteral("&Stress:"), cboStress_);
    txtTarget_ = newEdit("txtTarget", QStringLiteral("100"));
    inputs->addRow(QStringLiteral("Tar&get Damage (%):"), txtTarget_);

    for (QLineEdit* edit :
         {txtModulus_, txtConstants_[0], txtConstants_[1], txtConstants_[2], txtConstants_[3], txtTarget_}) {
        connect(edit, &QLineEdit::textChanged, this, &frmFatigue::recompute);
    }
    connect(cboModel_, &QComboBox::currentIndexChanged, this, &frmFatigue::recompute);
    connect(cboStress_, &QComboBox::currentIndexChanged, this, &frmFatigue::recompute);
    return inputs;
}

QLayout* frmFatigue::createResultsSection() {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(420, 320);
    connect(chart_, &QChart::plotAreaChanged, this, &frmFatigue::fitDamageLabels);

    results_ = new TextTableModel(this);
    tblResults_ = new QTableView;
    tblResults_->setObjectName(QStringLiteral("tblResults"));
    tblResults_->setModel(results_);
    // The columns take the width of their texts, as the first rows show them.
    tblResults_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblResults_->horizontalHeader()->setResizeContentsPrecision(ResultRowsMeasured);
    // A long summary wraps, and a word too long for a line is cut: neither widens the window.
    lblSummary_ = new QLabel;
    lblSummary_->setObjectName(QStringLiteral("lblSummary"));
    lblSummary_->setWordWrap(true);
    lblSummary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto* section = new QVBoxLayout;
    section->addWidget(chartView_, 3);
    section->addWidget(tblResults_, 2);
    section->addWidget(lblSummary_);
    return section;
}

void frmFatigue::showExample() {
    QFile example(exampleOf(units_).spectrum);
    example.open(QIODevice::ReadOnly);
    std::istringstream in(example.readAll().toStdString());
    SpectrumCells cells;
    readSpectrumCells(in, cells);
    tblSpectrum_->showCells(cells, units_);
    lblExample_->show();
    const QSignalBlocker blocker(txtModulus_);
    txtModulus_->setText(exampleOf(units_).modulusOfRupture);
    showUnits();
}

void frmFatigue::showUnits() {
    tblSpectrum_->showUnits(units_);
    lblModulus_->setText(
        QStringLiteral("Modulus of &Rupture (%1):").arg(QString::fromUtf8(stressUnitWord(units_))));
    std::vector<std::string> headings = fatigueHeadings(units_);
    QStringList labels;
    for (const std::string& heading : headings) {
        labels << text(heading);
    }
    results_->setHeadings(labels);
}

void frmFatigue::followCase() {
    if (record_.units != units_) {
        const bool example = !lblExample_->isHidden();
        const bool defaultModulus = txtModulus_->text() == exampleOf(units_).modulusOfRupture;
        units_ = record_.units;
        if (example) {
            showExample();
        }
        if (defaultModulus) {
            const QSignalBlocker blocker(txtModulus_);
            txtModulus_->setText(exampleOf(units_).modulusOfRupture);
        }
        showUnits();
    }
    recompute();
}

bool frmFatigue::isComputing() const {
    return work_->isBusy();
}

// False when an input does not read as a number; the results then say which.
bool frmFatigue::readSettings(FatigueSettings& settings) {
    settings.model = static_cast<FatigueModel>(cboModel_->currentData().toInt());
    settings.stress = static_cast<FatigueStress>(cboStress_->currentData().toInt());
    const bool power = settings.model == FatigueModel::Power;
    for (QLineEdit* edit : txtConstants_) {
        edit->setEnabled(power);
    }
    const std::optional<double> modulus = numberIn(*txtModulus_);
    const std::optional<double> target = numberIn(*txtTarget_);
    std::optional<double> constants[4];
    std::transform(std::begin(txtConstants_), std::end(txtConstants_), std::begin(constants),
                   [](const QLineEdit* edit) { return numberIn(*edit); });
    const bool allConstants =
        std::all_of(std::begin(constants), std::end(constants),
                    [](const std::optional<double>& value) { return value.has_value(); });
    if (!modulus || !(*modulus > 0) || !target || !(*target > 0) || (power && !allConstants)) {
        return false;
    }
    settings.modulusOfRupture = *modulus;
    settings.targetPercent = *target;
    if (power) {
        settings.constants = {*constants[0], *constants[1], *constants[2], *constants[3]};
    }
    return true;
}

// The request takes copies of the case and the spectrum's cells; the work builds the groups, computes
// the table, solves for the thickness and computes the curve on every core, handing each over as it
// is done.
void frmFatigue::recompute() {
    FatigueSettings settings;
    if (!readSettings(settings)) {
        work_->cancel();
        shown_ = {};
        drawn_.reset();
        results_->setRows({});
        chart_->removeAllSeries();
        chart_->setOpacity(1);
        lblSummary_->setText(
            QStringLiteral("The modulus of rupture, the target and the model's constants must be "
                           "numbers; the modulus and the target greater than 0."));
        return;
    }
    work_->request([this, record = record_, cells = tblSpectrum_->cells(),
                    settings](std::stop_token stop, const BackgroundWork::Deliver& deliver) {
        Results results;
        results.record = record;
        results.spectrum = std::make_shared<const TrafficSpectrum>(buildSpectrum(cells, record));
        results.settings = settings;
        results.result = computeFatigue(*results.spectrum, settings);
        deliver([this, results] { showTable(results); });
        const RequiredThickness thickness = solveThickness(*results.spectrum, settings, stop);
        deliver([this, thickness] { showThickness(thickness); });
        const int stride = std::max(1, thicknessGridPoints(record.units) / ChartPoints);
        std::vector<ThicknessDamage> curve =
            damageAgainstThickness(*results.spectrum, settings, stride, machineCores(), stop);
        deliver([this, curve = std::move(curve)] { showCurve(curve); });
    });
}

// A group that was not computed shows its status across the columns that follow the texts it has.
void frmFatigue::showTable(const Results& results) {
    shown_ = results;
    std::vector<QStringList> rows;
    rows.reserve(shown_.result.groups.size());
    // The column from which a row's status spans the rest, or -1.
    std::vector<int> spanFrom;
    const int columns = results_->columnCount();
    for (std::size_t index = 0; index < shown_.result.groups.size(); ++index) {
        QStringList& texts = rows.emplace_back();
        for (const std::string& cell :
             fatigueGroupTexts(shown_.spectrum->groups[index], shown_.result.groups[index])) {
            texts << text(cell);
        }
        spanFrom.push_back(static_cast<int>(texts.size()) < columns ? static_cast<int>(texts.size()) - 1
                                                                    : -1);
    }
    tblResults_->clearSpans();
    results_->setRows(std::move(rows));
    for (std::size_t row = 0; row < spanFrom.size(); ++row) {
        if (spanFrom[row] >= 0) {
            tblResults_->setSpan(static_cast<int>(row), spanFrom[row], 1, columns - spanFrom[row]);
        }
    }
    chart_->setOpacity(StaleChartOpacity);
    showSummary();
}

void frmFatigue::showThickness(const RequiredThickness& thickness) {
    shown_.thickness = thickness;
    showSummary();
}

void frmFatigue::showCurve(const std::vector<ThicknessDamage>& curve) {
    drawn_ = {curve,
              shown_.settings.targetPercent,
              shown_.thickness,
              shown_.record.units,
              text(shown_.record.caption(Field::h1)),
              decadeLabelsFitting(chart_->plotArea().height())};
    plotDamageChart(*chart_, *drawn_);
    chart_->setOpacity(1);
}

// A plot that grows or shrinks labels as many powers of ten as fit along it.
void frmFatigue::fitDamageLabels() {
    const int fitting = decadeLabelsFitting(chart_->plotArea().height());
    if (drawn_ && drawn_->mostLabels != fitting) {
        drawn_->mostLabels = fitting;
        plotDamageChart(*chart_, *drawn_);
    }
}

void frmFatigue::showSummary() {
    QString summary = QStringLiteral("Total damage: ") + text(totalDamageText(shown_.result));
    if (shown_.result.crackingPercent) {
        summary += QStringLiteral("    Slabs cracked: ") +
                   text(formatFixed(*shown_.result.crackingPercent, 2)) + QStringLiteral(" %");
    }
    summary += QStringLiteral("\nRequired slab thickness h1: ") +
               (shown_.thickness ? text(requiredThicknessText(*shown_.thickness, units_))
                                 : QStringLiteral("computing..."));
    lblSummary_->setText(summary);
}

void frmFatigue::spectrumEdited() {
    lblExample_->hide();
    recompute();
}

void frmFatigue::addRow() {
    tblSpectrum_->insertRow(tblSpectrum_->rowCount());
    spectrumEdited();
}

void frmFatigue::removeRow() {
    const int row = tblSpectrum_->currentRow();
    tblSpectrum_->removeRow(row >= 0 ? row : tblSpectrum_->rowCount() - 1);
    spectrumEdited();
}

void frmFatigue::importCsv() {
    const QString path = prompt_.openFileName(this, QStringLiteral("(*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    std::string contents;
    std::string error = readSmallFile(QFile::encodeName(path).toStdString(), contents);
    SpectrumCells cells;
    if (error.empty()) {
        std::istringstream in(contents);
        error = readSpectrumCells(in, cells);
    }
    if (!error.empty()) {
        warn(QStringLiteral("The spectrum was not read: ") + text(error));
        return;
    }
    tblSpectrum_->showCells(cells, units_);
    spectrumEdited();
}

void frmFatigue::exportCsv() {
    const QString path = prompt_.saveFileName(this, QStringLiteral("(*.csv)"));
    if (!path.isEmpty()) {
        saveBytes(path, QByteArray::fromStdString(spectrumCsv(tblSpectrum_->cells())));
    }
}

void frmFatigue::saveTable() {
    const QString path = prompt_.saveFileName(this, QStringLiteral("(*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    work_->waitForEnd();
    if (shown_.spectrum) {
        saveBytes(path, QByteArray::fromStdString(fatigueCsv(*shown_.spectrum, shown_.result)));
    }
}

// The page holds the time, the case's inputs, the settings, the table and the chart; landscape is
// proposed, so that the table's columns fit.
void frmFatigue::printAll() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!prompt_.setUpPrinter(this, printer)) {
        return;
    }
    work_->waitForEnd();
    if (!shown_.spectrum) {
        return;
    }
    BusyCursor busy;
    const std::vector<std::string> lines = fatiguePrintLines(
        shown_.record, *shown_.spectrum, shown_.settings, shown_.result, shown_.thickness,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString());
    if (!printTextAndChart(printer, lines, *chartView_)) {
        warn(QStringLiteral("The fatigue results were not printed: the printer did not accept the job."));
    }
}

void frmFatigue::saveBytes(const QString& path, const QByteArray& bytes) {
    saveChosenFile(prompt_, this, path, bytes, QStringLiteral("The file was not saved: "));
}

void frmFatigue::warn(const QString& message) {
    prompt_.showMessage(this, {ProgramTitle, message, {UserPrompt::Button::Ok}, UserPrompt::Icon::Warning});
}

} // namespace korvanex
