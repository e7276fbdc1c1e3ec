// SPDX-License-Identifier: Apache-2.0
#include "app/reliability_section.h"

#include "case/number_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <optional>

namespace korvanex {

namespace {

enum ScatterColumn { CovColumn, DistributionColumn };

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QLineEdit* newEdit(const char* name, const QString& value) {
    auto* edit = new QLineEdit(value);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

// A whole number from `least` to `most`, as typed without blanks around it.
std::optional<std::uint64_t> wholeNumberIn(const QLineEdit& edit, std::uint64_t least, std::uint64_t most) {
    bool whole = false;
    const qulonglong value = edit.text().trimmed().toULongLong(&whole);
    return whole && value >= least && value <= most ? std::optional<std::uint64_t>(value) : std::nullopt;
}

QString refusal(const QString& setting, std::string_view requirement) {
    return QStringLiteral("%1 must be %2.").arg(setting, text(requirement));
}

} // namespace

ReliabilitySection::ReliabilitySection(QWidget* parent)
    : QGroupBox(QStringLiteral("Reliability"), parent), tblScatter_(new QTableWidget(ScatterInputCount, 2)),
      txtSamples_(newEdit("txtSamples", QString::number(DefaultSamples))),
      txtSeed_(newEdit("txtSeed", QStringLiteral("1"))),
      txtReliability_(newEdit("txtReliability", QStringLiteral("90"))) {
    setObjectName(QStringLiteral("grpReliability"));
    setCheckable(true);
    setChecked(false);
    tblScatter_->setObjectName(QStringLiteral("tblScatter"));
    tblScatter_->setHorizontalHeaderLabels({QStringLiteral("COV"), QStringLiteral("Distribution")});
    QStringList inputs;
    int row = 0;
    for (const auto& [word, input] : ScatterInputWords) {
        inputs << text(word);
        tblScatter_->setItem(row, CovColumn, new QTableWidgetItem(QStringLiteral("0")));
        auto* distribution = new QComboBox;
        for (const auto& [name, value] : ScatterDistributionWords) {
            distribution->addItem(text(name), static_cast<int>(value));
        }
        tblScatter_->setCellWidget(row, DistributionColumn, distribution);
        connect(distribution, &QComboBox::currentIndexChanged, this, &ReliabilitySection::edited);
        ++row;
    }
    tblScatter_->setVerticalHeaderLabels(inputs);
    tblScatter_->horizontalHeader()->setStretchLastSection(true);
    tblScatter_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblScatter_->setFixedHeight(tblScatter_->horizontalHeader()->sizeHint().height() +
                                ScatterInputCount * tblScatter_->verticalHeader()->defaultSectionSize() +
                                2 * tblScatter_->frameWidth());
    connect(tblScatter_, &QTableWidget::itemChanged, this, &ReliabilitySection::edited);

    auto* scatterLabel = new QLabel(QStringLiteral("Scatter of t&he inputs (COV as a fraction):"));
    scatterLabel->setBuddy(tblScatter_);
    auto* inputsLayout = new QFormLayout(this);
    inputsLayout->addRow(scatterLabel);
    inputsLayout->addRow(tblScatter_);
    inputsLayout->addRow(QStringLiteral("Number o&f Samples:"), txtSamples_);
    inputsLayout->addRow(QStringLiteral("Rand&om Seed:"), txtSeed_);
    inputsLayout->addRow(QStringLiteral("Target Relia&bility (%):"), txtReliability_);
    for (QLineEdit* edit : {txtSamples_, txtSeed_, txtReliability_}) {
        connect(edit, &QLineEdit::textChanged, this, &ReliabilitySection::edited);
    }
    connect(this, &QGroupBox::toggled, this, &ReliabilitySection::edited);
}

void ReliabilitySection::showSettings(const ReliabilitySettings& settings) {
    const QSignalBlocker blocker(this);
    const QSignalBlocker tableBlocker(tblScatter_);
    setChecked(true);
    int row = 0;
    for (const auto& [word, input] : ScatterInputWords) {
        tblScatter_->item(row, CovColumn)->setText(text(doubleText(settings.of(input).cov)));
        auto* distribution = static_cast<QComboBox*>(tblScatter_->cellWidget(row, DistributionColumn));
        const QSignalBlocker boxBlocker(distribution);
        distribution->setCurrentIndex(
            distribution->findData(static_cast<int>(settings.of(input).distribution)));
        ++row;
    }
    for (const auto& [edit, value] :
         {std::pair{txtSamples_, QString::number(settings.samples)},
          std::pair{txtSeed_, QString::number(settings.seed)},
          std::pair{txtReliability_, settings.reliabilityPercent
                                         ? text(doubleText(*settings.reliabilityPercent))
                                         : QString()}}) {
        const QSignalBlocker editBlocker(edit);
        edit->setText(value);
    }
}

// An empty target reliability asks for no thickness at a reliability.
QString ReliabilitySection::readSettings(ReliabilitySettings& settings) const {
    ReliabilitySettings read;
    int row = 0;
    for (const auto& [word, input] : ScatterInputWords) {
        const std::optional<double> cov =
            finiteNumber(tblScatter_->item(row, CovColumn)->text().toStdString());
        if (!cov || !acceptsCov(*cov)) {
            return refusal(QStringLiteral("The COV of ") + text(word), CovRequirement);
        }
        read.of(input).cov = *cov;
        const auto* distribution = static_cast<QComboBox*>(tblScatter_->cellWidget(row, DistributionColumn));
        read.of(input).distribution = static_cast<ScatterDistribution>(distribution->currentData().toInt());
        ++row;
    }
    const std::optional<std::uint64_t> samples = wholeNumberIn(*txtSamples_, 1, MaxSamples);
    if (!samples) {
        return refusal(QStringLiteral("The number of samples"), SamplesRequirement);
    }
    const std::optional<std::uint64_t> seed =
        wholeNumberIn(*txtSeed_, 0, std::numeric_limits<std::uint64_t>::max());
    if (!seed) {
        return refusal(QStringLiteral("The seed"), SeedRequirement);
    }
    read.samples = *samples;
    read.seed = *seed;
    if (!txtReliability_->text().trimmed().isEmpty()) {
        const std::optional<double> percent = finiteNumber(txtReliability_->text().toStdString());
        if (!percent || !acceptsReliabilityPercent(*percent)) {
            return refusal(QStringLiteral("The target reliability"), ReliabilityRequirement);
        }
        read.reliabilityPercent = *percent;
    }
    settings = read;
    return {};
}

} // namespace korvanex
