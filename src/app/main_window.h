// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/case_file_title.h"
#include "app/report_state.h"
#include "case/analysis_case.h"
#include "engine/analysis_results.h"
#include "io/case_file.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QSplitter;

namespace korvanex {

class UserPrompt;
class DialogPlacement;
class MainStatusBar;
class RecentFiles;
class ReportPane;
class SlabPlanPane;
class frmAbout;
class frmDesignChart;
class frmEnvironPct;
class frmFatigue;
class frmPlateModel;
class frmPvmtStrs;
class frmUserGuide;
class frmWheel;

// The main window: owns the one analysis case and the results of the last computation, shows the
// latest report, and carries the menu through which every command is reached. The three input
// dialogs are created by whatever command first needs their part of the case.
class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    // Every message box and file or print dialog goes through the prompt.
    explicit frmMain(UserPrompt& prompt);

    // Reads a case file as File > Read does, with the same messages, or a design file (".kvx") as
    // File > Open Design does: a file named on the command line, dropped on the window or chosen from
    // Recent Files is read through it.
    void openCaseFile(const QString& path);

  signals:
    // The case changed: a text typed, an option chosen or a case file read.
    void caseEdited();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void createMenus();
    void chooseUnitSystem(UnitSystem units);
    void showUnitMarks();

    template <class Dialog> Dialog& inputDialog(Dialog*& dialog);
    void createAllDialogs();
    void showDialog(QDialog& dialog);
    void showAbout();
    template <class Window> void showToolWindow(Window*& window, void (Window::*refresh)());
    AnalysisCase caseWithEveryPartInitialised() const;
    void followEdits(QDialog& dialog);
    void followCase();
    void caseFileOpened(const QString& path);
    void showUserGuide();

    void readDataFromFile();
    bool saveInputData();
    void openDesign();
    void openDesignFile(const QString& path);
    void saveDesign();
    bool computeStresses();
    void showReport();
    void saveReport();
    void printReport();
    void tellFailure(const QString& text);
    void tellUnknownWords(const std::vector<UnknownCaseWord>& unknownWords);

    UserPrompt& prompt_;
    AnalysisCase record_;
    AnalysisResults results_;
    std::vector<std::string> reportLines_;
    ReportState reportState_;
    CaseFileTitle title_;

    ReportPane* report_;
    QSplitter* reportArea_;
    SlabPlanPane* plan_;
    DialogPlacement* placement_;
    MainStatusBar* status_;
    RecentFiles* recent_ = nullptr;
    QAction* metricOption_ = nullptr;
    QAction* englishOption_ = nullptr;
    QAction* detailedReportsOption_ = nullptr;
    QAction* temperatureData_ = nullptr;

    frmPvmtStrs* pavement_ = nullptr;
    frmWheel* axle_ = nullptr;
    frmEnvironPct* environment_ = nullptr;
    frmAbout* about_ = nullptr;
    frmUserGuide* userGuide_ = nullptr;
    frmDesignChart* designChart_ = nullptr;
    frmFatigue* fatigue_ = nullptr;
    frmPlateModel* plateModel_ = nullptr;
};

} // namespace korvanex
