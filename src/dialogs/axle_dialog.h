#pragma once

#include "case/analysis_case.h"
#include "dialogs/checked_field_group.h"
#include "dialogs/user_activation.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace korvanex {

class UserPrompt;

// The axle load dialog: load, tire pressure, wheel spacings, wheel location and gear configuration.
// Creating it initialises the axle part of the case for the case's unit system.
class frmWheel : public QDialog {
    Q_OBJECT

  public:
    frmWheel(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Captions, texts, location and gear as the record holds them after a case file replaced them.
    void showRecord();

  protected:
    bool event(QEvent* event) override;

  private:
    // The fields in the order OK checks them and the remembered copy holds them.
    enum CheckedField { P, tp, S, t, d };
    // The option buttons, in the order Cancel puts them back.
    enum Option {
        edge_loc,
        corner_loc,
        interior_loc,
        one_one,
        one_two,
        one_three,
        two_one,
        two_two,
        two_three,
        OptionCount
    };

    void createOptions();
    void layOut();
    QRadioButton* option(Option which) const { return options_[which]; }
    void selectOption(Option which);
    void gearSelected(Option which);
    void writeOptionsToRecord();
    void rememberValues();
    void ok();
    void cancel();

    AnalysisCase& record_;
    UserPrompt& prompt_;
    CheckedFieldGroup fields_;
    std::array<QRadioButton*, OptionCount> options_{};
    std::array<bool, OptionCount> rememberedSelections_{};
    UserActivation activation_;
};

} // namespace korvanex
