#pragma once

#include "case/analysis_case.h"
#include "dialogs/checked_field_group.h"
#include "dialogs/user_activation.h"

#include <QDialog>

namespace korvanex {

class UserPrompt;

// The environmental data dialog: the critical temperature differential and the thermal coefficient.
// Creating it initialises the environmental part of the case for the case's unit system.
class frmEnvironPct : public QDialog {
    Q_OBJECT

  public:
    frmEnvironPct(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

    // Captions and texts as the record holds them after a case file replaced them.
    void showRecord();

  protected:
    bool event(QEvent* event) override;

  private:
    enum CheckedField { F, alp };

    void ok();
    void cancel();

    AnalysisCase& record_;
    UserPrompt& prompt_;
    CheckedFieldGroup fields_;
    UserActivation activation_;
};

} // namespace korvanex
