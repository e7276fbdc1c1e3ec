// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/case_field_editor.h"
#include "dialogs/input_dialog.h"

class QGroupBox;

namespace korvanex {

// The pavement data dialog: slab, subgrade, layers, tied shoulder and widened lane.
class frmPvmtStrs : public InputDialog {
    Q_OBJECT

  public:
    frmPvmtStrs(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Captions and texts as the record holds them after a case file replaced them.
    void showRecord() override;
    // Selects a layer option as a click would: the second layer's fields follow, and the dialog opens.
    void selectLayer(LayerType layer);
    // Selects the layer, tied shoulder and widened lane options as the record holds them (a design file
    // holds all three), the fields they show following; the dialog stays open or closed as it is.
    void showOptions();

  private:
    // The fields that OK checks and Cancel restores, in the order of the remembered copy.
    enum CheckedField { h1, E1, r1, mu1, L, W, k, h2, E2, d0, AGG };
    // The option buttons, in the order Cancel puts them back.
    enum Option { one, two_unbond, two_bond, OptTiedYes, OptTiedNo, OptWidenedYes, OptWidenedNo };

    static Option layerOption(LayerType layer);
    QLayout* layOutContent();
    // A frame of a Yes and a No option side by side, above the field that Yes shows.
    QGroupBox* yesNoFrame(const char* name, const QString& title, Option yes, Option no,
                          CheckedField shownByYes);
    void selectInitialOptions();
    void writeOptionsToRecord() override;
    void followOption(int which) override;
    void optionClicked(int which) override;
    void rememberOptionsOnOk(bool accepted) override;

    CaseFieldEditor r2_;
    CaseFieldEditor mu2_;
};

} // namespace korvanex
