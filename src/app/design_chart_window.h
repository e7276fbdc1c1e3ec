// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "studies/design_chart_data.h"

#include <QDialog>
#include <QString>

#include <optional>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace korvanex {

class BackgroundWork;
class UserPrompt;

// The design chart: the case computed over a range of one numeric field, its stresses drawn against
// that field, with an optional allowable stress and where the curves cross it. The other inputs are
// those of the main window's case as the dialogs hold them. The points are computed off the
// user-interface thread, a newer request superseding an older one; the allowable stress is drawn as
// it is typed. The chart, a picture of it and its data can be saved.
class frmDesignChart : public QDialog {
    Q_OBJECT

  public:
    // Every message box and file dialog goes through the prompt.
    frmDesignChart(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Computes and draws the chart anew from the case as it now stands.
    void refresh();
    // Whether the chart of the latest request is still to come.
    bool isComputing() const;

    QSize sizeHint() const override;

  signals:
    // The chart of the latest request is drawn.
    void resultsReady();

  private:
    void createControls();
    void showCaseVocabulary();
    void setTypicalRange();
    void takeRange();
    void allowableTyped();
    void allowableFinished();
    void recompute();
    void redraw();
    void redrawAllowable();
    void placeLabels();

    void saveCsv();

    const AnalysisCase& record_;
    UserPrompt& prompt_;
    BackgroundWork* work_;
    // The unit system of the range shown.
    UnitSystem rangeUnits_;
    DesignChartData data_;
    std::optional<double> allowable_;
    // The texts the chart was last drawn from: a text that does not read as a number goes back to these.
    QString fromText_;
    QString toText_;
    QString allowableText_;

    QComboBox* cboField_ = nullptr;
    QLineEdit* txtFrom_ = nullptr;
    QLineEdit* txtTo_ = nullptr;
    QSpinBox* spnPoints_ = nullptr;
    QLabel* lblAllowable_ = nullptr;
    QLineEdit* txtAllowable_ = nullptr;
    QLabel* lblRange_ = nullptr;
    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLabel* lblLegend_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

} // namespace korvanex
