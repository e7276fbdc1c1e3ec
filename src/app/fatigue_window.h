// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/fatigue_chart.h"
#include "case/analysis_case.h"
#include "studies/fatigue_damage.h"
#include "studies/traffic_loads.h"

#include <QDialog>

#include <memory>
#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace korvanex {

class BackgroundWork;
class SpectrumTable;
class TextTableModel;
class UserPrompt;

// Fatigue: the damage of a traffic spectrum on the main window's case as the dialogs hold it, the
// slab thickness that carries it, and the total damage drawn against the slab thickness. The
// spectrum is edited in a table that starts from an example in the case's units. Every edit asks for
// everything anew; the work runs off the user-interface thread, a newer request superseding an older
// one, and each result appears as soon as it is ready: the damage table first, then the required
// thickness, then the chart.
class frmFatigue : public QDialog {
    Q_OBJECT

  public:
    // Every message box, file and print dialog goes through the prompt.
    frmFatigue(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Computes everything anew from the case and the inputs as they now stand.
    void recompute();
    // Follows the case as it now stands: computes anew, a new unit system replacing the example
    // spectrum and the default modulus of rupture, where they stand unchanged, by those of the new
    // units.
    void followCase();
    // Whether results are still to come.
    bool isComputing() const;

    QSize sizeHint() const override;

  signals:
    // Every result of the latest request is shown.
    void resultsReady();

  private:
    // The inputs of one request and what has been computed from them.
    struct Results {
        AnalysisCase record;
        std::shared_ptr<const TrafficSpectrum> spectrum;
        FatigueSettings settings;
        FatigueResult result;
        std::optional<RequiredThickness> thickness;
    };

    QLayout* createSpectrumSection();
    QLayout* createSettingsSection();
    QLayout* createResultsSection();
    void showExample();
    void showUnits();
    bool readSettings(FatigueSettings& settings);
    void showTable(const Results& results);
    void showThickness(const RequiredThickness& thickness);
    void showCurve(const std::vector<ThicknessDamage>& curve);
    void fitDamageLabels();
    void showSummary();

    void addRow();
    void removeRow();
    void spectrumEdited();
    void importCsv();
    void exportCsv();
    void saveTable();
    void printAll();
    void saveBytes(const QString& path, const QByteArray& bytes);
    void warn(const QString& text);

    const AnalysisCase& record_;
    UserPrompt& prompt_;
    BackgroundWork* work_;
    // The unit system of the spectrum and the modulus of rupture shown.
    UnitSystem units_;
    Results shown_;
    std::optional<DamageChart> drawn_;

    SpectrumTable* tblSpectrum_ = nullptr;
    QLabel* lblExample_ = nullptr;
    QLineEdit* txtModulus_ = nullptr;
    QLabel* lblModulus_ = nullptr;
    QComboBox* cboModel_ = nullptr;
    QLineEdit* txtConstants_[4] = {};
    QComboBox* cboStress_ = nullptr;
    QLineEdit* txtTarget_ = nullptr;
    TextTableModel* results_ = nullptr;
    QTableView* tblResults_ = nullptr;
    QLabel* lblSummary_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
};

} // namespace korvanex
