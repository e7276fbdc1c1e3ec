// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/report_state.h"
#include "case/analysis_case.h"

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace korvanex {

// The main window's status bar: the unit system, the case file, and the state of the report.
class MainStatusBar : public QObject {
  public:
    explicit MainStatusBar(QStatusBar& bar);

    void showUnits(UnitSystem units);
    // The path of the case file; empty when the case has none.
    void showCaseFile(const QString& path);
    void showReport(ReportState::State state);

  private:
    QLabel* units_;
    QLabel* caseFile_;
    QLabel* report_;
};

} // namespace korvanex
