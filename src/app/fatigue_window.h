// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "formats/fatigue_output.h"

#include <QDialog>

#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace korvanex {

class UserPrompt;

// Fatigue: the damage of a traffic spectrum on the main window's case as the dialogs hold it, the
// slab thickness that carries it, and the total damage drawn against the slab thickness. The
// spectrum is edited in a table that starts from an example; everything is computed anew as the
// user edits.
class frmFatigue : public QDialog {
    Q_OBJECT

  public:
    // Every message box, file and print dialog goes through the prompt.
    frmFatigue(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Computes and draws everything anew from the case and the inputs as they now stand.
    void recompute();

    QSize sizeHint() const override;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void createControls();
    void showSpectrum(const SpectrumCells& cells);
    SpectrumCells tableCells() const;
    bool readSettings(FatigueSettings& settings);
    void showResults(const TrafficSpectrum& spectrum, const FatigueResult& result);
    void drawChart(const TrafficSpectrum& spectrum, const FatigueSettings& settings);

    void addRow();
    void removeRow();
    void importCsv();
    void exportCsv();
    void saveTable();
    void printAll();
    void saveBytes(const QString& path, const QByteArray& bytes);
    void warn(const QString& text);

    const AnalysisCase& record_;
    UserPrompt& prompt_;
    std::optional<RequiredThickness> thickness_;
    std::string tableText_;
    std::string resultsCsv_;

    QTableWidget* tblSpectrum_ = nullptr;
    QLabel* lblExample_ = nullptr;
    QLineEdit* txtModulus_ = nullptr;
    QLabel* lblModulus_ = nullptr;
    QComboBox* cboModel_ = nullptr;
    QLineEdit* txtConstants_[4] = {};
    QComboBox* cboStress_ = nullptr;
    QLineEdit* txtTarget_ = nullptr;
    QTableWidget* tblResults_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
};

} // namespace korvanex
