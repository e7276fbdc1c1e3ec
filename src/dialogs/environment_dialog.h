// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/input_dialog.h"

namespace korvanex {

// The environmental data dialog: the critical temperature differential and the thermal coefficient.
class frmEnvironPct : public InputDialog {
    Q_OBJECT

  public:
    frmEnvironPct(AnalysisCase& record, UserPrompt& prompt, QWidget* parent);

  private:
    enum CheckedField { F, alp };
};

} // namespace korvanex
