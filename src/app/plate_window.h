// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "formats/plate_text.h"

#include <QDialog>
#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace korvanex {

class BackgroundWork;
class SvgView;
class TextTableModel;
class UserPrompt;

// The plate model beside the fitted factors, as `korvanex-cli plate` gives it, for the main window's
// case as the dialogs hold it: the contours of the largest principal stress under the load and
// curling, the table of the analysis's stresses beside the plate model's with the difference in
// percent, where the plate model's stresses act, its deflections and reaction, and the ratios the
// fitted models clamped. The mesh, the load and the tied shoulder's width are chosen in the window.
// The comparison runs off the user-interface thread, a newer request superseding an older one; the
// picture can be saved as PNG and SVG.
class frmPlateModel : public QDialog {
    Q_OBJECT

  public:
    // Every message box and file dialog goes through the prompt.
    frmPlateModel(const AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Compares the case anew as it now stands.
    void refresh();
    // Whether the comparison of the latest request is still to come.
    bool isComputing() const;

    QSize sizeHint() const override;

  signals:
    // The comparison of the latest request is shown.
    void resultsReady();

  private:
    // What one request gives: the comparison's parts and picture, or why there are none.
    struct Comparison {
        PlateComparisonParts parts;
        std::string svg;
        std::string problem;
    };

    void createControls();
    void showCaseUnits();
    void takeShoulderWidth();
    void recompute();
    void showComparison(const Comparison& comparison);

    const AnalysisCase& record_;
    UserPrompt& prompt_;
    BackgroundWork* work_;
    // The unit system of the shoulder's width typed, and the width compared: empty for the default.
    UnitSystem widthUnits_;
    QString widthText_;

    QComboBox* cboMesh_ = nullptr;
    QComboBox* cboLoad_ = nullptr;
    QLabel* lblShoulderWidth_ = nullptr;
    QLineEdit* txtShoulderWidth_ = nullptr;
    SvgView* contour_ = nullptr;
    QLabel* lblProblem_ = nullptr;
    QLabel* lblHead_ = nullptr;
    TextTableModel* stresses_ = nullptr;
    QTableView* tblStresses_ = nullptr;
    QLabel* lblPlate_ = nullptr;
    QLabel* lblClamped_ = nullptr;
};

} // namespace korvanex
