// SPDX-License-Identifier: Apache-2.0
#include "app/fatigue_window.h"

#include "app/saved_file.h"
#include "app/window_parts.h"
#include "app/window_picture.h"

#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/user_prompt.h"
#include "io/file_access.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScatterSeries>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace korvanex {

namespace {

const QString ExampleSpectrum = QStringLiteral(":/examples/traffic-loads.csv");
// The chart draws every tenth point of the thickness grid.
constexpr int ChartGridStride = 10;
// The decades one label of the damage axis may stand for, so that labels never crowd.
constexpr double MostLabelledDecades = 10;
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

QTableWidgetItem* readOnlyItem(const QString& value) {
    auto* item = new QTableWidgetItem(value);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

frmFatigue::frmFatigue(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt) {
    setObjectName(QStringLiteral("frmFatigue"));
    setWindowTitle(QStringLiteral("Fatigue"));
    setSizeGripEnabled(true);
    createControls();
    QFile example(ExampleSpectrum);
    example.open(QIODevice::ReadOnly);
    std::istringstream in(example.readAll().toStdString());
    SpectrumCells cells;
    readSpectrumCells(in, cells);
    showSpectrum(cells);
    lblExample_->show();
    recompute();
}

QSize frmFatigue::sizeHint() const {
    return {1100, 760};
}

void frmFatigue::createControls() {
    tblSpectrum_ = new QTableWidget;
    tblSpectrum_->setObjectName(QStringLiteral("tblSpectrum"));
    lblExample_ = new QLabel(QStringLiteral("An example spectrum, for illustration only: replace it with the "
                                            "design traffic."));
    lblExample_->setObjectName(QStringLiteral("lblExample"));
    lblExample_->setWordWrap(true);
    auto* spectrumButtons = new QHBoxLayout;
    connect(addButton(*spectrumButtons, "cmdAddRow", QStringLiteral("A&dd Row")), &QPushButton::clicked, this,
            &frmFatigue::addRow);
    connect(addButton(*spectrumButtons, "cmdRemoveRow", QStringLiteral("R&emove Row")), &QPushButton::clicked,
            this, &frmFatigue::removeRow);
    connect(addButton(*spectrumButtons, "cmdImport", QStringLiteral("&Import CSV...")), &QPushButton::clicked,
            this, &frmFatigue::importCsv);
    connect(addButton(*spectrumButtons, "cmdExport", QStringLiteral("E&xport CSV...")), &QPushButton::clicked,
            this, &frmFatigue::exportCsv);

    auto* inputs = new QFormLayout;
    txtModulus_ = newEdit("txtModulus", QStringLiteral("650"));
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

    tblResults_ = new QTableWidget(0, 5);
    tblResults_->setObjectName(QStringLiteral("tblResults"));
    tblResults_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lblSummary_ = new QLabel;
    lblSummary_->setObjectName(QStringLiteral("lblSummary"));

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->addAxis(new QValueAxis, Qt::AlignBottom);
    chart_->addAxis(new QLogValueAxis, Qt::AlignLeft);
    chartView_ = new QChartView(chart_);
    chartView_->setObjectName(QStringLiteral("chartView"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(420, 320);

    auto* left = new QVBoxLayout;
    left->addWidget(tblSpectrum_, 1);
    left->addWidget(lblExample_);
    left->addLayout(spectrumButtons);
    left->addLayout(inputs);
    auto* right = new QVBoxLayout;
    right->addWidget(chartView_, 3);
    right->addWidget(tblResults_, 2);
    right->addWidget(lblSummary_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 2);
    columns->addLayout(right, 3);

    auto* buttons = new QHBoxLayout;
    connect(addButton(*buttons, "cmdSaveTable", QStringLiteral("Save &Table...")), &QPushButton::clicked,
            this, &frmFatigue::saveTable);
    addPictureButtons(*buttons, ChartPictureButtons, prompt_, *this, widgetPicture(*chartView_),
                      QStringLiteral("The file was not saved: "));
    connect(addButton(*buttons, "cmdPrint", QStringLiteral("&Print...")), &QPushButton::clicked, this,
            &frmFatigue::printAll);
    buttons->addStretch();
    connect(addButton(*buttons, "cmdClose", QStringLiteral("Close")), &QPushButton::clicked, this,
            &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(tblSpectrum_, &QTableWidget::itemChanged, this, [this] {
        lblExample_->hide();
        recompute();
    });
    for (QLineEdit* edit :
         {txtModulus_, txtConstants_[0], txtConstants_[1], txtConstants_[2], txtConstants_[3], txtTarget_}) {
        connect(edit, &QLineEdit::textChanged, this, &frmFatigue::recompute);
    }
    connect(cboModel_, &QComboBox::currentIndexChanged, this, &frmFatigue::recompute);
    connect(cboStress_, &QComboBox::currentIndexChanged, this, &frmFatigue::recompute);
}

void frmFatigue::showSpectrum(const SpectrumCells& cells) {
    const QSignalBlocker blocker(tblSpectrum_);
    tblSpectrum_->clear();
    tblSpectrum_->setColumnCount(static_cast<int>(cells.header.size()));
    tblSpectrum_->setRowCount(static_cast<int>(cells.rows.size()));
    QStringList names;
    for (const std::string& name : cells.header) {
        names << text(name);
    }
    tblSpectrum_->setHorizontalHeaderLabels(names);
    for (std::size_t row = 0; row < cells.rows.size(); ++row) {
        // A row with more cells than the header loses the extra ones; one with fewer is padded.
        for (std::size_t column = 0; column < cells.header.size(); ++column) {
            const std::vector<std::string>& cellsOfRow = cells.rows[row];
            const QString value = column < cellsOfRow.size() ? text(cellsOfRow[column]) : QString();
            tblSpectrum_->setItem(static_cast<int>(row), static_cast<int>(column),
                                  new QTableWidgetItem(value));
        }
    }
}

SpectrumCells frmFatigue::tableCells() const {
    SpectrumCells cells;
    for (int column = 0; column < tblSpectrum_->columnCount(); ++column) {
        cells.header.push_back(tblSpectrum_->horizontalHeaderItem(column)->text().toStdString());
    }
    for (int row = 0; row < tblSpectrum_->rowCount(); ++row) {
        std::vector<std::string>& cellsOfRow = cells.rows.emplace_back();
        for (int column = 0; column < tblSpectrum_->columnCount(); ++column) {
            const QTableWidgetItem* item = tblSpectrum_->item(row, column);
            cellsOfRow.push_back(item != nullptr ? item->text().toStdString() : std::string());
        }
    }
    return cells;
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

void frmFatigue::recompute() {
    BusyCursor busy;
    lblModulus_->setText(
        QStringLiteral("Modulus of &Rupture (%1):").arg(QString::fromUtf8(stressUnitWord(record_.units))));
    FatigueSettings settings;
    const TrafficSpectrum spectrum = buildSpectrum(tableCells(), record_);
    if (!readSettings(settings)) {
        thickness_.reset();
        tableText_.clear();
        tblResults_->setRowCount(0);
        chart_->removeAllSeries();
        lblSummary_->setText(
            QStringLiteral("The modulus of rupture, the target and the model's constants must be "
                           "numbers; the modulus and the target greater than 0."));
        return;
    }
    const FatigueResult result = computeFatigue(spectrum, settings);
    thickness_ = solveThickness(spectrum, settings);
    tableText_ = fatigueTable(spectrum, settings, result, thickness_);
    resultsCsv_ = fatigueCsv(spectrum, result);
    showResults(spectrum, result);
    drawChart(spectrum, settings);
}

// A group that was not computed shows its status across the number columns, never a number.
void frmFatigue::showResults(const TrafficSpectrum& spectrum, const FatigueResult& result) {
    const QString stressUnit = QString::fromUtf8(stressUnitWord(record_.units));
    tblResults_->clearSpans();
    tblResults_->setRowCount(static_cast<int>(result.groups.size()));
    tblResults_->setHorizontalHeaderLabels({QStringLiteral("Stress (%1)").arg(stressUnit),
                                            QStringLiteral("SR"), QStringLiteral("Allowable Reps"),
                                            QStringLiteral("Repetitions"), QStringLiteral("Damage (%)")});
    for (int row = 0; row < tblResults_->rowCount(); ++row) {
        const GroupDamage& damage = result.groups[static_cast<std::size_t>(row)];
        const SpectrumGroup& group = spectrum.groups[static_cast<std::size_t>(row)];
        if (damage.status != GroupDamage::Status::Ok) {
            for (int column = 0; column < 5; ++column) {
                tblResults_->setItem(row, column, readOnlyItem(QString()));
            }
            tblResults_->item(row, 0)->setText(text(groupStatusText(damage)));
            tblResults_->setSpan(row, 0, 1, 5);
            continue;
        }
        const QString cells[] = {
            text(formatFixed(damage.stress, 1)), text(formatFixed(damage.stressRatio, 3)),
            text(repetitionsText(damage.allowableRepetitions)), text(repetitionsText(group.repetitions)),
            text(formatFixed(damage.damagePercent, 2))};
        for (int column = 0; column < 5; ++column) {
            tblResults_->setItem(row, column, readOnlyItem(cells[column]));
        }
    }
    QString summary = QStringLiteral("Total damage: ") + text(totalDamageText(result));
    if (result.crackingPercent) {
        summary += QStringLiteral("    Slabs cracked: ") + text(formatFixed(*result.crackingPercent, 2)) +
                   QStringLiteral(" %");
    }
    summary += QStringLiteral("\nRequired slab thickness h1: ") +
               text(requiredThicknessText(*thickness_, record_.units));
    lblSummary_->setText(summary);
}

// The total damage over the typical range of h1 on a logarithmic axis, the target as a dashed line
// and the required thickness as a mark; every label is in the legend below the plot, so none can
// overprint another or an axis.
void frmFatigue::drawChart(const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    chart_->removeAllSeries();
    auto* damage = new QLineSeries;
    damage->setName(QStringLiteral("Total Damage"));
    damage->setObjectName(QStringLiteral("TotalDamage"));
    double low = settings.targetPercent;
    double high = settings.targetPercent;
    for (const ThicknessDamage& point : damageAgainstThickness(spectrum, settings, ChartGridStride)) {
        const std::optional<double> total = point.totalDamagePercent;
        // A total beyond 1E+300 is left out, so that the axis, twice the largest, stays finite.
        if (total && *total > 0 && *total <= LargestWrittenNumber) {
            damage->append(point.h1, *total);
            low = std::min(low, *total);
            high = std::max(high, *total);
        }
    }
    const double thinnest = thicknessGridValue(record_.units, 0);
    const double thickest = thicknessGridValue(record_.units, thicknessGridPoints(record_.units) - 1);
    auto* target = new QLineSeries;
    target->setName(QStringLiteral("Target %1 %").arg(text(formatFixed(settings.targetPercent, 2))));
    target->setObjectName(QStringLiteral("Target"));
    target->setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
    target->append(thinnest, settings.targetPercent);
    target->append(thickest, settings.targetPercent);

    auto* x = qobject_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).first());
    x->setTitleText(text(record_.caption(Field::h1)));
    x->setRange(thinnest, thickest);
    x->setLabelFormat(QStringLiteral("%.1f"));
    auto* y = qobject_cast<QLogValueAxis*>(chart_->axes(Qt::Vertical).first());
    y->setTitleText(QStringLiteral("Total Damage (%)"));
    const double decades = std::log10(high) - std::log10(low);
    y->setBase(std::pow(10.0, std::max(1.0, std::ceil(decades / MostLabelledDecades))));
    y->setLabelFormat(QStringLiteral("%g"));
    y->setRange(low / 2, high * 2);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{damage, target}) {
        chart_->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    if (thickness_->status == RequiredThickness::Status::Found) {
        auto* mark = new QScatterSeries;
        mark->setName(QStringLiteral("Required h1 = ") +
                      text(requiredThicknessText(*thickness_, record_.units)));
        mark->setObjectName(QStringLiteral("RequiredThickness"));
        mark->setMarkerSize(10);
        const double there = thickness_->totalDamagePercent;
        mark->append(thickness_->h1, there > 0 ? there : low);
        chart_->addSeries(mark);
        mark->attachAxis(x);
        mark->attachAxis(y);
    }
}

void frmFatigue::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        recompute();
    }
}

void frmFatigue::addRow() {
    tblSpectrum_->insertRow(tblSpectrum_->rowCount());
    lblExample_->hide();
    recompute();
}

void frmFatigue::removeRow() {
    const int row = tblSpectrum_->currentRow();
    tblSpectrum_->removeRow(row >= 0 ? row : tblSpectrum_->rowCount() - 1);
    lblExample_->hide();
    recompute();
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
    showSpectrum(cells);
    lblExample_->hide();
    recompute();
}

void frmFatigue::exportCsv() {
    const QString path = prompt_.saveFileName(this, QStringLiteral("(*.csv)"));
    if (!path.isEmpty()) {
        saveBytes(path, QByteArray::fromStdString(spectrumCsv(tableCells())));
    }
}

void frmFatigue::saveTable() {
    const QString path = prompt_.saveFileName(this, QStringLiteral("(*.csv)"));
    if (!path.isEmpty()) {
        saveBytes(path, QByteArray::fromStdString(resultsCsv_));
    }
}

// The damage table in a fixed-pitch font, then the chart below it on the same page.
void frmFatigue::printAll() {
    QPrinter printer(QPrinter::HighResolution);
    if (!prompt_.setUpPrinter(this, printer)) {
        return;
    }
    BusyCursor busy;
    QPainter painter;
    bool printed = painter.begin(&printer);
    if (printed) {
        painter.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        const QRect textArea(0, 0, page.width(), page.height() / 2);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignTop, text(tableText_));
        chartView_->render(&painter, QRectF(0, page.height() / 2.0, page.width(), page.height() / 2.0));
        printed = painter.end() && printer.printerState() != QPrinter::Error;
    }
    if (!printed) {
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
