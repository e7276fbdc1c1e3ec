// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/background_work.h"
#include "app/fatigue_chart.h"
#include "case/analysis_case.h"
#include "studies/design.h"
#include "studies/fatigue_damage.h"
#include "studies/traffic_loads.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <stop_token>

class QChart;
class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace korvanex {

class ReliabilitySection;
class SpectrumTable;
class TextTableModel;
class UserPrompt;

// Design: the damage of a traffic spectrum on the main window's case as the dialogs hold it, the
// slab thickness that carries it, and the total damage drawn against the slab thickness; with the
// Reliability section ticked, the same design simulated with the scatter of its inputs beside it: the
// probability of failure, the thickness at the target reliability, the histogram of the damage and the
// reliability against the slab thickness on the chart. The spectrum is edited in a table that starts
// from an example in the case's units. Every edit asks for everything anew; the work runs off the
// user-interface thread, a newer request superseding an older one, and each result appears as soon as
// it is ready: the damage table first, then the required thickness, then the chart, then the simulated
// design and the reliability curve, with a progress bar and Cancel while they are computed.
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

    // Shows the parts of the design that the window edits, those the design holds: the spectrum, its
    // truck traffic and the fatigue settings; the Reliability section is ticked with the reliability
    // settings when the design has them, and cleared when it has not. The case's units are the design's.
    void showDesign(const Design& design);
    // Sets the window's parts on the design: the spectrum's cells, the truck traffic of a spectrum of
    // axle groups per 1,000 trucks, the fatigue settings and, while the Reliability section is ticked,
    // the reliability settings. Returns an empty text, or why they cannot be kept (a setting that is
    // not a number in its range), the design then unchanged.
    QString keepInDesign(Design& design);

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
        bool simulated = false; // the simulated design is shown
    };

    QLayout* createTrafficSection();
    QLayout* createSpectrumSection();
    QLayout* createSettingsSection();
    QLayout* createResultsSection();
    QLayout* createSimulatedSection();
    void showExample();
    void showUnits();
    bool readSettings(FatigueSettings& settings);
    bool countsTrucks() const;
    QString readTraffic(TrafficSettings& traffic) const;
    void showTraffic();
    void showTable(const Results& results);
    void showThickness(const RequiredThickness& thickness);
    void showCurve(const std::vector<ThicknessDamage>& curve);
    void fitDamageLabels();
    void showSummary();
    static void simulate(frmFatigue* window, const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                         const ReliabilitySettings& reliability, std::stop_token stop,
                         const BackgroundWork::Deliver& deliver);
    void showSimulated(const QString& table, const QByteArray& histogram);
    void showReliabilityCurve(const std::vector<QPointF>& points);
    void showProgress(bool busy);
    void cancelWork();

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

    QLineEdit* txtTraffic_[5] = {};
    QLabel* lblGrowthFactor_ = nullptr;
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
    ReliabilitySection* reliability_ = nullptr;
    QGroupBox* grpSimulated_ = nullptr;
    QPlainTextEdit* txtSimulated_ = nullptr;
    QLabel* lblHistogram_ = nullptr;
    QProgressBar* pbrProgress_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    // Cancel stopped the results still to come.
    bool cancelled_ = false;
};

} // namespace korvanex
