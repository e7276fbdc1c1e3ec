// SPDX-License-Identifier: Apache-2.0
#include "app/plate_window.h"

#include "app/background_work.h"
#include "app/busy_mark.h"
#include "app/svg_view.h"
#include "app/text_table_model.h"
#include "app/window_parts.h"
#include "app/window_picture.h"

#include "case/case_check.h"
#include "case/number_text.h"
#include "formats/plate_contour_svg.h"
#include "studies/plate_comparison.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace korvanex {

namespace {

// The room of the width's box, in digits, and between one option and the next.
constexpr int WidthDigits = 12;
constexpr int OptionSpacing = 12;

QString joined(const std::vector<std::string>& lines) {
    QStringList texts;
    for (const std::string& line : lines) {
        texts << QString::fromStdString(line);
    }
    return texts.join(QLatin1Char('\n'));
}

QLabel* newLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

template <class Value, std::size_t Count>
QComboBox* newChoice(const char* name, const Word<Value> (&words)[Count], Value chosen) {
    auto* choice = new QComboBox;
    choice->setObjectName(QString::fromLatin1(name));
    for (const Word<Value>& word : words) {
        choice->addItem(QString::fromUtf8(word.text.data(), static_cast<qsizetype>(word.text.size())),
                        static_cast<int>(word.value));
    }
    choice->setCurrentIndex(choice->findData(static_cast<int>(chosen)));
    return choice;
}

template <class Value> Value chosen(const QComboBox& choice) {
    return static_cast<Value>(choice.currentData().toInt());
}

// A shoulder's width: a number greater than 0, as the command line takes it.
bool isWidthText(const QString& text) {
    const std::optional<double> width = finiteNumber(text.toStdString());
    return width && *width > 0;
}

} // namespace

frmPlateModel::frmPlateModel(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(record), prompt_(prompt), work_(new BackgroundWork(this)),
      widthUnits_(record.units) {
    setObjectName(QStringLiteral("frmPlateModel"));
    setWindowTitle(QStringLiteral("Plate Model"));
    setSizeGripEnabled(true);
    createControls();
    showCaseUnits();

    connect(cboMesh_, &QComboBox::currentIndexChanged, this, &frmPlateModel::recompute);
    connect(cboLoad_, &QComboBox::currentIndexChanged, this, &frmPlateModel::recompute);
    connect(txtShoulderWidth_, &QLineEdit::editingFinished, this, &frmPlateModel::takeShoulderWidth);
    connect(work_, &BackgroundWork::finished, this, &frmPlateModel::resultsReady);
    recompute();
}

QSize frmPlateModel::sizeHint() const {
    return {1100, 660};
}

void frmPlateModel::createControls() {
    cboMesh_ = newChoice("cboMesh", PlateMeshWords, PlateOptions().mesh);
    cboLoad_ = newChoice("cboLoad", PlateLoadWords, PlateOptions().load);
    txtShoulderWidth_ = new QLineEdit;
    txtShoulderWidth_->setObjectName(QStringLiteral("txtShoulderWidth"));
    txtShoulderWidth_->setPlaceholderText(QStringLiteral("default"));
    txtShoulderWidth_->setMaximumWidth(txtShoulderWidth_->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                                       WidthDigits);

    auto* options = new QHBoxLayout;
    const auto addOption = [options](QLabel* label, QWidget* field) {
        label->setBuddy(field);
        options->addWidget(label);
        options->addWidget(field);
        options->addSpacing(OptionSpacing);
    };
    addOption(new QLabel(QStringLiteral("&Mesh:")), cboMesh_);
    addOption(new QLabel(QStringLiteral("&Load:")), cboLoad_);
    lblShoulderWidth_ = new QLabel;
    lblShoulderWidth_->setObjectName(QStringLiteral("lblShoulderWidth"));
    addOption(lblShoulderWidth_, txtShoulderWidth_);
    options->addStretch();

    contour_ = new SvgView;
    contour_->setObjectName(QStringLiteral("contourView"));

    lblProblem_ = newLabel("lblProblem");
    lblProblem_->setWordWrap(true);
    lblProblem_->setStyleSheet(QStringLiteral("color: #c80000"));
    lblProblem_->hide();
    lblHead_ = newLabel("lblHead");
    stresses_ = new TextTableModel(this);
    tblStresses_ = new QTableView;
    tblStresses_->setObjectName(QStringLiteral("tblStresses"));
    tblStresses_->setModel(stresses_);
    tblStresses_->verticalHeader()->hide();
    tblStresses_->setSelectionMode(QAbstractItemView::NoSelection);
    tblStresses_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tblStresses_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    lblPlate_ = newLabel("lblPlate");
    lblClamped_ = newLabel("lblClamped");
    lblClamped_->setWordWrap(true);

    auto* numbers = new QVBoxLayout;
    for (QWidget* part :
         std::initializer_list<QWidget*>{lblProblem_, lblHead_, tblStresses_, lblPlate_, lblClamped_}) {
        numbers->addWidget(part);
    }
    numbers->addStretch();
    auto* results = new QHBoxLayout;
    results->addWidget(contour_, 1);
    results->addLayout(numbers);

    // A picture is saved once the comparison of the latest request is shown.
    auto* buttons = new QHBoxLayout;
    addPictureButtons(*buttons, ChartPictureButtons, prompt_, *this,
                      {[this] {
                           work_->waitForEnd();
                           return contour_->png();
                       },
                       [this] {
                           work_->waitForEnd();
                           return QByteArray::fromStdString(contour_->svg());
                       }},
                      QStringLiteral("The picture was not saved: "));
    buttons->addWidget(new BusyMark(*work_, this));
    buttons->addStretch();
    connect(addButton(*buttons, "cmdClose", QStringLiteral("Close")), &QPushButton::clicked, this,
            &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(results, 1);
    layout->addLayout(buttons);
}

// The width is typed in the case's unit of W, and only a tied shoulder has one.
void frmPlateModel::showCaseUnits() {
    const std::string_view unit = fieldUnit(Field::W, record_.units);
    lblShoulderWidth_->setText(QStringLiteral("Shoulder &Width (%1):")
                                   .arg(QString::fromUtf8(unit.data(), static_cast<qsizetype>(unit.size()))));
    txtShoulderWidth_->setEnabled(record_.tiedShoulder);
    if (record_.units != widthUnits_) {
        // A width typed in the other unit system would mean another width.
        widthUnits_ = record_.units;
        widthText_.clear();
        txtShoulderWidth_->clear();
    }
}

void frmPlateModel::refresh() {
    showCaseUnits();
    recompute();
}

bool frmPlateModel::isComputing() const {
    return work_->isBusy();
}

// An empty box is the default width; a text that is not a width goes back to the one compared.
void frmPlateModel::takeShoulderWidth() {
    const QString text = txtShoulderWidth_->text().trimmed();
    if (!text.isEmpty() && !isWidthText(text)) {
        txtShoulderWidth_->setText(widthText_);
        return;
    }
    if (text != widthText_) {
        widthText_ = text;
        recompute();
    }
}

// The request takes a copy of the case and the options; the work compares, writes the parts and
// draws the picture, as the command line does.
void frmPlateModel::recompute() {
    PlateOptions options;
    options.mesh = chosen<PlateMesh>(*cboMesh_);
    options.load = chosen<PlateLoad>(*cboLoad_);
    work_->request([this, record = record_, options, width = widthText_.toStdString()](
                       std::stop_token, const BackgroundWork::Deliver& deliver) mutable {
        Comparison shown;
        if (const CaseCheck check = checkCaseFields(record); !check.refusal.empty()) {
            shown.problem = check.refusal;
        } else {
            try {
                if (!width.empty()) {
                    options.shoulderWidth = shoulderWidthOf(record, width);
                }
                const PlateComparison comparison = comparePlate(record, options);
                shown.parts = plateComparisonParts(record, comparison);
                shown.svg = plateContourSvg(record, comparison.model, comparison.plate, PlateState::Combined,
                                            comparison.options.mesh);
            } catch (const FloatingPointFault& fault) {
                shown.problem = plateFaultText(fault);
            }
        }
        deliver([this, shown = std::move(shown)] { showComparison(shown); });
    });
}

void frmPlateModel::showComparison(const Comparison& comparison) {
    const PlateComparisonParts& parts = comparison.parts;
    lblProblem_->setText(QString::fromStdString(comparison.problem));
    lblProblem_->setVisible(!comparison.problem.empty());
    lblHead_->setText(joined(parts.head));
    QStringList headings;
    for (const std::string& heading : parts.headings) {
        headings << QString::fromStdString(heading);
    }
    std::vector<QStringList> rows;
    for (const std::vector<std::string>& cells : parts.stresses) {
        QStringList& row = rows.emplace_back();
        for (const std::string& cell : cells) {
            row << QString::fromStdString(cell);
        }
    }
    stresses_->setHeadings(headings);
    stresses_->setRows(std::move(rows));
    tblStresses_->resizeColumnsToContents();
    tblStresses_->setVisible(!parts.stresses.empty());
    lblPlate_->setText(joined(parts.plate));
    lblClamped_->setText(joined(parts.clamped));
    contour_->showSvg(comparison.svg);
}

} // namespace korvanex
