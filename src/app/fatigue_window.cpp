// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"

#include "app/background_work.h"
#include "app/busy_mark.h"
#include "app/fatigue_chart.h"
#include "app/fatigue_print.h"
#include "app/reliability_section.h"
#include "app/report_font.h"
#include "app/saved_file.h"
#include "app/spectrum_table.h"
#include "app/text_table_model.h"
#include "app/window_parts.h"
#include "app/window_picture.h"

#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/user_prompt.h"
#include "formats/damage_histogram_svg.h"
#include "formats/fatigue_output.h"
#include "formats/reliability_output.h"
#include "io/file_access.h"
#include "studies/batch.h"
#include "studies/reliability.h"

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
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <atomic>
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
// About this many points of the thickness grid carry the reliability curve, evenly spaced: every inch,
// or every 2.5 cm. Each is a simulation of every sample.
constexpr int ReliabilityPoints = 16;
// The least width of the reliability column, in pixels: the simulated design's main lines fit it.
constexpr int SimulatedLeastWidth = 440;
// The size the damage histogram is shown at, 0.45 of the size the core draws it at.
constexpr QSize HistogramSize(324, 180);
// The least height of the spectrum's table, in pixels: a few rows at least stay in view.
constexpr int SpectrumLeastHeight = 150;
// The rows of the results whose texts set the widths of the columns.
constexpr int ResultRowsMeasured = 50;
// How clearly a chart still to be redrawn for the results shown shows.
constexpr double StaleChartOpacity = 0.35;
const char* const ConstantNames[] = {"txtC1", "txtC2", "txtC4", "txtC5"};
const char* const ConstantCaptions[] = {"C&1:", "C&2:", "C&4:", "C&5:"};
const QString SettingsProblem = QStringLiteral("The modulus of rupture, the target and the model's constants "
                                               "must be numbers; the modulus and the target greater than 0.");

// The truck traffic's edits in the order of trafficInputs(): name, caption and the setting as a message
// names it.
struct TrafficEdit {
    const char* name;
    const char* caption;
    const char* setting;
};
constexpr TrafficEdit TrafficEdits[] = {
    {"txtADTT", "&ADTT:", "ADTT"},
    {"txtGrowth", "Gro&wth (%):", "The growth"},
    {"txtYears", "Design Life (&years):", "The design life"},
    {"txtDirectional", "Dire&ctional (%):", "The directional distribution"},
    {"txtLane", "&Lane (%):", "The lane distribution"}};

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

void setQuietly(QLineEdit& edit, const QString& value) {
    const QSignalBlocker blocker(&edit);
    edit.setText(value);
}

void chooseQuietly(QComboBox& box, int value) {
    const QSignalBlocker blocker(&box);
    box.setCurrentIndex(box.findData(value));
}

QString numberText(double value) {
    return text(doubleText(value));
}

} // namespace

frmFatigue::frmFatigue(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt), work_(new BackgroundWork(this)),
      units_(record.units) {
    setObjectName(QStringLiteral("frmFatigue"));
    setWindowTitle(QStringLiteral("Design"));
    setSizeGripEnabled(true);

    // The inputs scroll where the window is too short for them, so that they never set its height.
    auto* inputs = new QWidget;
    auto* left = new QVBoxLayout(inputs);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(group(QStringLiteral("Truck Traffic"), createTrafficSection()));
    left->addWidget(group(QStringLiteral("Traffic Spectrum"), createSpectrumSection()), 1);
    left->addWidget(group(QStringLiteral("Fatigue Model"), createSettingsSection()));
    auto* inputsArea = new QScrollArea;
    inputsArea->setObjectName(QStringLiteral("inputsArea"));
    inputsArea->setFrameShape(QFrame::NoFrame);
    inputsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputsArea->setWidgetResizable(true);
    inputsArea->setWidget(inputs);
    inputsArea->setMinimumWidth(inputs->sizeHint().width() +
                                inputsArea->verticalScrollBar()->sizeHint().width());
    auto* columns = new QHBoxLayout;
    columns->addWidget(inputsArea, 1);
    columns->addLayout(createResultsSection(), 2);
    columns->addLayout(createSimulatedSection(), 1);

    auto* buttons = new QHBoxLayout;
    connect(addButton(*buttons, "cmdSaveTable", QStringLiteral("Save &Table...")), &QPushButton::clicked,
            this, &frmFatigue::saveTable);
    addPictureButtons(*buttons, ChartPictureButtons, prompt_, *this,
                      widgetPicture(*chartView_, [this] { work_->waitForEnd(); }),
                      QStringLiteral("The file was not saved: "));
    connect(addButton(*buttons, "cmdPrint", QStringLiteral("&Print...")), &QPushButton::clicked, this,
            &frmFatigue::printAll);
    buttons->addWidget(new BusyMark(*work_, this));
    pbrProgress_ = new QProgressBar;
    pbrProgress_->setObjectName(QStringLiteral("pbrProgress"));
    buttons->addWidget(pbrProgress_);
    cmdCancel_ = addButton(*buttons, "cmdCancel", QStringLiteral("Cancel"));
    connect(cmdCancel_, &QPushButton::clicked, this, &frmFatigue::cancelWork);
    for (QWidget* widget : {static_cast<QWidget*>(pbrProgress_), static_cast<QWidget*>(cmdCancel_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    connect(work_, &BackgroundWork::busyChanged, this, &frmFatigue::showProgress);
    showProgress(false);
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
    return {1440, 820};
}

// The Reliability section, and under it the simulated design while the section is ticked: the core's
// table of it and the histogram of the samples' damage.
QLayout* frmFatigue::createSimulatedSection() {
    reliability_ = new ReliabilitySection;
    reliability_->setMinimumWidth(SimulatedLeastWidth);
    reliability_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(reliability_, &ReliabilitySection::edited, this, &frmFatigue::recompute);
    txtSimulated_ = new QPlainTextEdit;
    txtSimulated_->setObjectName(QStringLiteral("txtSimulated"));
    txtSimulated_->setReadOnly(true);
    txtSimulated_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSimulated_->setFont(reportFont());
    lblHistogram_ = new QLabel;
    lblHistogram_->setObjectName(QStringLiteral("lblHistogram"));
    lblHistogram_->setFixedSize(HistogramSize);
    auto* section = new QVBoxLayout;
    section->addWidget(txtSimulated_, 1);
    section->addWidget(lblHistogram_);
    grpSimulated_ = group(QStringLiteral("Simulated Design"), section);
    grpSimulated_->setObjectName(QStringLiteral("grpSimulated"));
    grpSimulated_->hide();
    auto* column = new QVBoxLayout;
    column->addWidget(reliability_);
    column->addWidget(grpSimulated_, 1);
    column->addStretch();
    return column;
}

// The truck traffic that turns a spectrum's axle groups per 1,000 trucks into repetitions.
QLayout* frmFatigue::createTrafficSection() {
    auto* inputs = new QFormLayout;
    const TrafficSettings defaults;
    for (std::size_t index = 0; index < std::size(TrafficEdits); ++index) {
        const double TrafficSettings::*member = trafficInputs()[index].member;
        const double value = defaults.*member;
        txtTraffic_[index] = newEdit(TrafficEdits[index].name, value > 0 ? numberText(value) : QString());
        inputs->addRow(QString::fromLatin1(TrafficEdits[index].caption), txtTraffic_[index]);
        connect(txtTraffic_[index], &QLineEdit::textChanged, this, &frmFatigue::recompute);
    }
    lblGrowthFactor_ = new QLabel;
    lblGrowthFactor_->setObjectName(QStringLiteral("lblGrowthFactor"));
    lblGrowthFactor_->setWordWrap(true);
    inputs->addRow(lblGrowthFactor_);
    return inputs;
}

QLayout* frmFatigue::createSpectrumSection() {
    tblSpectrum_ = new SpectrumTable;
    tblSpectrum_->setMinimumHeight(SpectrumLeastHeight);
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
    // Later, not within the drawing that changed the plot: drawing the reliability's axis does.
    connect(chart_, &QChart::plotAreaChanged, this, &frmFatigue::fitDamageLabels, Qt::QueuedConnection);

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

// Whether the spectrum counts axle groups per 1,000 trucks, which the truck traffic turns into repetitions.
bool frmFatigue::countsTrucks() const {
    std::vector<const CaseColumn*> columns;
    CountColumn count = CountColumn::Repetitions;
    readSpectrumHeader(tblSpectrum_->cells().header, columns, count);
    return count == CountColumn::PerThousandTrucks;
}

// Empty when every setting of the truck traffic reads as a number in its range, or what the first that
// does not must be.
QString frmFatigue::readTraffic(TrafficSettings& traffic) const {
    for (std::size_t index = 0; index < std::size(TrafficEdits); ++index) {
        const TrafficInput& input = trafficInputs()[index];
        const std::optional<double> value = numberIn(*txtTraffic_[index]);
        if (!value || !input.accepts(*value)) {
            return QStringLiteral("%1 must be %2.")
                .arg(QString::fromLatin1(TrafficEdits[index].setting), text(std::string(input.requirement)));
        }
        traffic.*input.member = *value;
    }
    return {};
}

// The truck traffic applies to a spectrum of axle groups per 1,000 trucks: only then are its settings
// open, with the growth factor they give.
void frmFatigue::showTraffic() {
    const bool trucks = countsTrucks();
    for (QLineEdit* edit : txtTraffic_) {
        edit->setEnabled(trucks);
    }
    TrafficSettings traffic;
    if (!trucks) {
        lblGrowthFactor_->setText(
            QStringLiteral("The truck traffic applies to a spectrum with a per_1000_trucks "
                           "column in place of repetitions."));
    } else if (readTraffic(traffic).isEmpty()) {
        lblGrowthFactor_->setText(QStringLiteral("Growth factor G: ") +
                                  text(formatFixed(growthFactor(traffic), 3)) +
                                  QStringLiteral("; each group's repetitions are in the results."));
    } else {
        lblGrowthFactor_->clear();
    }
}

void frmFatigue::showDesign(const Design& design) {
    units_ = design.record.units;
    if (design.spectrum) {
        tblSpectrum_->showCells(*design.spectrum, units_);
        lblExample_->hide();
    }
    if (design.traffic) {
        for (std::size_t index = 0; index < std::size(TrafficEdits); ++index) {
            setQuietly(*txtTraffic_[index], numberText((*design.traffic).*trafficInputs()[index].member));
        }
    }
    if (design.fatigue) {
        const FatigueSettings& settings = *design.fatigue;
        setQuietly(*txtModulus_, numberText(settings.modulusOfRupture));
        chooseQuietly(*cboModel_, static_cast<int>(settings.model));
        const double constants[] = {settings.constants.c1, settings.constants.c2, settings.constants.c4,
                                    settings.constants.c5};
        for (int index = 0; index < 4; ++index) {
            setQuietly(*txtConstants_[index], numberText(constants[index]));
        }
        chooseQuietly(*cboStress_, static_cast<int>(settings.stress));
        setQuietly(*txtTarget_, numberText(settings.targetPercent));
    }
    if (design.reliability) {
        reliability_->showSettings(*design.reliability);
    } else {
        const QSignalBlocker blocker(reliability_);
        reliability_->setChecked(false);
    }
    showUnits();
    recompute();
}

QString frmFatigue::keepInDesign(Design& design) {
    FatigueSettings settings;
    if (!readSettings(settings)) {
        return SettingsProblem;
    }
    std::optional<TrafficSettings> traffic;
    if (countsTrucks()) {
        if (QString problem = readTraffic(traffic.emplace()); !problem.isEmpty()) {
            return problem;
        }
    }
    std::optional<ReliabilitySettings> reliability;
    if (reliability_->isChecked()) {
        if (QString problem = reliability_->readSettings(reliability.emplace()); !problem.isEmpty()) {
            return problem;
        }
    }
    design.spectrum = tblSpectrum_->cells();
    design.traffic = traffic;
    design.fatigue = settings;
    design.reliability = reliability;
    return {};
}

// The request takes copies of the case and the spectrum's cells; the work builds the groups, computes
// the table, solves for the thickness and computes the curve on every core, handing each over as it
// is done.
void frmFatigue::recompute() {
    showTraffic();
    FatigueSettings settings;
    std::optional<TrafficSettings> traffic;
    QString problem;
    if (!readSettings(settings)) {
        problem = SettingsProblem;
    } else if (countsTrucks()) {
        problem = readTraffic(traffic.emplace());
    }
    std::optional<ReliabilitySettings> reliability;
    grpSimulated_->setVisible(reliability_->isChecked());
    lblHistogram_->clear();
    txtSimulated_->clear();
    if (reliability_->isChecked()) {
        const QString reliabilityProblem = reliability_->readSettings(reliability.emplace());
        txtSimulated_->setPlainText(reliabilityProblem.isEmpty() ? QStringLiteral("Simulating...")
                                                                 : reliabilityProblem);
        if (!reliabilityProblem.isEmpty()) {
            reliability.reset();
        }
    }
    cancelled_ = false;
    if (!problem.isEmpty()) {
        if (reliability_->isChecked()) {
            txtSimulated_->setPlainText(problem);
        }
        work_->cancel();
        shown_ = {};
        drawn_.reset();
        results_->setRows({});
        chart_->removeAllSeries();
        chart_->setOpacity(1);
        lblSummary_->setText(problem);
        return;
    }
    work_->request([this, record = record_, cells = tblSpectrum_->cells(), settings, traffic,
                    reliability](std::stop_token stop, const BackgroundWork::Deliver& deliver) {
        Results results;
        results.record = record;
        results.spectrum = std::make_shared<const TrafficSpectrum>(buildSpectrum(cells, record, traffic));
        results.settings = settings;
        results.result = computeFatigue(*results.spectrum, settings);
        deliver([this, results] { showTable(results); });
        const RequiredThickness thickness = solveThickness(*results.spectrum, settings, stop);
        deliver([this, thickness] { showThickness(thickness); });
        const int stride = std::max(1, thicknessGridPoints(record.units) / ChartPoints);
        std::vector<ThicknessDamage> curve =
            damageAgainstThickness(*results.spectrum, settings, stride, machineCores(), stop);
        deliver([this, curve = std::move(curve)] { showCurve(curve); });
        if (reliability) {
            simulate(this, *results.spectrum, settings, *reliability, stop, deliver);
        }
    });
}

// Runs on the work's thread: the simulated design through the core's study, then the reliability at
// points of the thickness grid, each through the core's simulation of the same samples at that
// thickness. The progress bar follows the samples, then the grid points; the work stops when asked. It
// touches the window only in the steps it hands over, which run on the window's thread while it stands.
void frmFatigue::simulate(frmFatigue* window, const TrafficSpectrum& spectrum,
                          const FatigueSettings& settings, const ReliabilitySettings& reliability,
                          std::stop_token stop, const BackgroundWork::Deliver& deliver) {
    if (const std::string error = spectrumError(spectrum, settings); !error.empty()) {
        deliver([window, error] {
            window->showSimulated(QStringLiteral("The design cannot be simulated: ") + text(error), {});
        });
        return;
    }
    std::atomic<bool> stopped = false;
    const std::stop_callback stopping(stop, [&stopped] { stopped = true; });
    const auto showPercent = [window, &deliver](int percent) {
        deliver([window, percent] { window->pbrProgress_->setValue(percent); });
    };
    StudyControl control;
    control.jobs = machineCores();
    control.cancel = &stopped;
    control.progress = [showPercent, shown = -1](std::uint64_t done, std::uint64_t whole) mutable {
        const int percent = static_cast<int>(100 * done / std::max<std::uint64_t>(whole, 1));
        if (percent != shown) {
            shown = percent;
            showPercent(percent);
        }
    };
    const std::optional<ReliabilityStudy> study =
        runReliabilityStudy(spectrum, settings, reliability, control);
    if (!study) {
        return;
    }
    // The table opens with the settings, up to its first empty line: the window shows them as inputs,
    // and the results from there on.
    const QString table = text(reliabilityTable(spectrum, settings, reliability, *study));
    deliver([window, results = table.section(QStringLiteral("\n\n"), 1),
             histogram = QByteArray::fromStdString(damageHistogramSvg(
                 study->damage, settings.targetPercent))] { window->showSimulated(results, histogram); });
    if (spectrum.setsField(Field::h1)) {
        return;
    }
    const std::optional<std::vector<ThicknessReliability>> curve = reliabilityAgainstThickness(
        spectrum, settings, reliability, std::max(1, thicknessGridPoints(spectrum.units) / ReliabilityPoints),
        control);
    if (!curve) {
        return;
    }
    std::vector<QPointF> points;
    for (const ThicknessReliability& point : *curve) {
        points.emplace_back(point.h1, point.reliabilityPercent);
    }
    deliver([window, points = std::move(points)] { window->showReliabilityCurve(points); });
}

void frmFatigue::showSimulated(const QString& table, const QByteArray& histogram) {
    shown_.simulated = true;
    txtSimulated_->setPlainText(table);
    lblHistogram_->clear();
    QSvgRenderer picture(histogram);
    if (picture.isValid()) {
        QPixmap drawn(HistogramSize * devicePixelRatio());
        drawn.setDevicePixelRatio(devicePixelRatio());
        drawn.fill(Qt::white);
        QPainter painter(&drawn);
        picture.render(&painter, QRectF(QPointF(0, 0), QSizeF(HistogramSize)));
        painter.end();
        lblHistogram_->setPixmap(drawn);
    }
}

void frmFatigue::showReliabilityCurve(const std::vector<QPointF>& points) {
    if (drawn_) {
        drawn_->reliability = points;
        plotDamageChart(*chart_, *drawn_);
    }
}

// The progress bar and Cancel show while the simulation may run.
void frmFatigue::showProgress(bool busy) {
    const bool shownBusy = busy && reliability_->isChecked();
    pbrProgress_->setValue(0);
    pbrProgress_->setVisible(shownBusy);
    cmdCancel_->setVisible(shownBusy);
}

// What was shown stays; what was still to come says it was cancelled.
void frmFatigue::cancelWork() {
    work_->cancel();
    cancelled_ = true;
    showSummary();
    if (!shown_.simulated) {
        txtSimulated_->setPlainText(QStringLiteral("Cancelled."));
    }
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
              decadeLabelsFitting(chart_->plotArea().height()),
              {}};
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
                : cancelled_     ? QStringLiteral("cancelled")
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
