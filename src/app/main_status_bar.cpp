// SPDX-License-Identifier: Apache-2.0
#include "app/main_status_bar.h"

#include <QDir>
#include <QLabel>
#include <QStatusBar>

namespace korvanex {

namespace {

QLabel* addLabel(QStatusBar& bar, const char* name, int stretch) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    bar.addPermanentWidget(label, stretch);
    return label;
}

} // namespace

MainStatusBar::MainStatusBar(QStatusBar& bar)
    : QObject(&bar), units_(addLabel(bar, "lblStatusUnits", 0)),
      caseFile_(addLabel(bar, "lblStatusCaseFile", 1)), report_(addLabel(bar, "lblStatusReport", 0)) {
    bar.setObjectName(QStringLiteral("statusBar"));
    caseFile_->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void MainStatusBar::showUnits(UnitSystem units) {
    units_->setText(units == UnitSystem::Metric ? QStringLiteral("Metric units (kN, kPa, cm, m)")
                                                : QStringLiteral("English units (lbs, psi, in, ft)"));
}

void MainStatusBar::showCaseFile(const QString& path) {
    caseFile_->setText(path.isEmpty() ? QStringLiteral("No case file") : QDir::toNativeSeparators(path));
}

void MainStatusBar::showReport(ReportState::State state) {
    switch (state) {
    case ReportState::State::None:
        report_->setText(QStringLiteral("No report yet"));
        break;
    case ReportState::State::Current:
        report_->setText(QStringLiteral("Report up to date"));
        break;
    case ReportState::State::OutOfDate:
        report_->setText(QStringLiteral("Report out of date: Compute Stresses"));
        break;
    }
}

} // namespace korvanex
