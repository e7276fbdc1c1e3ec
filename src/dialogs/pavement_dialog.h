#pragma once

#include "case/analysis_case.h"
#include "dialogs/case_field_editor.h"
#include "dialogs/checked_field_group.h"
#include "dialogs/user_activation.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace korvanex {

class UserPrompt;

// The pavement data dialog: slab, subgrade, layers, tied shoulder and widened lane. Creating it
// initialises the pavement part of the case for the case's unit system.
class frmPvmtStrs : public QDialog {
    Q_OBJECT

  public:
    frmPvmtStrs(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Captions and texts as the record holds them after a case file replaced them.
    void showRecord();
    // Selects a layer option as a click would: the second layer's fields follow, and the dialog opens.
    void selectLayer(LayerType layer);

  protected:
    bool event(QEvent* event) override;

  private:
    // The fields that OK checks and Cancel restores, in the order of the remembered copy.
    enum CheckedField { h1, E1, r1, mu1, L, W, k, h2, E2, d0, AGG };
    // The option buttons, in the order of the remembered copy.
    enum Option {
        one,
        two_bond,
        two_unbond,
        OptTiedYes,
        OptTiedNo,
        OptWidenedYes,
        OptWidenedNo,
        OptionCount
    };

    void createOptions();
    void layOut();
    void selectInitialOptions();
    QRadioButton* option(Option which) const { return options_[which]; }
    void optionSelected(Option which, bool opensDialog);
    void putBackSelection(Option which);
    void writeOptionsToRecord();
    void rememberValues();
    void rememberLayerAndYesOptions();
    void ok();
    void cancel();

    AnalysisCase& record_;
    UserPrompt& prompt_;
    CheckedFieldGroup fields_;
    CaseFieldEditor r2_;
    CaseFieldEditor mu2_;
    std::array<QRadioButton*, OptionCount> options_{};
    std::array<bool, OptionCount> rememberedSelections_{};
    UserActivation activation_;
};

} // namespace korvanex
