// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QPlainTextEdit;
class QSplitter;

namespace korvanex {

class UserPrompt;
class DialogPlacement;
class SlabPlanPane;
class frmAbout;
class frmDesignChart;
class frmEnvironPct;
class frmFatigue;
class frmPvmtStrs;
class frmWheel;

// The main window: owns the one analysis case and the results of the last computation, shows the
// latest report, and carries the menu through which every command is reached. The three input
// dialogs are created by whatever command first needs their part of the case.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // Every message box and file or print dialog goes through the prompt.
    explicit frmMain(UserPrompt& prompt);

  signals:
    // The case changed: a text typed, an option chosen or a case file read.
    void caseEdited();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createMenus();
    void placeReportArea();
    void chooseUnitSystem(UnitSystem units);
    void showUnitMarks();

    template <class Dialog> Dialog& inputDialog(Dialog*& dialog);
    void createAllDialogs();
    void showDialog(QDialog& dialog);
    void showAbout();
    template <class Window> void showToolWindow(Window*& window, void (Window::*refresh)());
    AnalysisCase caseWithEveryPartInitialised() const;
    void followEdits(QDialog& dialog);
    void redrawPlan();

    void readDataFromFile();
    bool saveInputData();
    bool computeStresses();
    void showReport();
    void saveReport();
    void printReport();
    void tellFailure(const QString& text);

    UserPrompt& prompt_;
    AnalysisCase record_;
    AnalysisResults results_;
    std::vector<std::string> reportLines_;

    QPlainTextEdit* txtReports_;
    QSplitter* reportArea_;
    SlabPlanPane* plan_;
    DialogPlacement* placement_;
    QAction* metricOption_ = nullptr;
    QAction* englishOption_ = nullptr;
    QAction* detailedReportsOption_ = nullptr;
    QAction* temperatureData_ = nullptr;

    frmPvmtStrs* pavement_ = nullptr;
    frmWheel* axle_ = nullptr;
    frmEnvironPct* environment_ = nullptr;
    frmAbout* about_ = nullptr;
    frmDesignChart* designChart_ = nullptr;
    frmFatigue* fatigue_ = nullptr;
};

} // namespace korvanex
