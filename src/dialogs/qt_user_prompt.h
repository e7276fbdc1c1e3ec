// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/user_prompt.h"

namespace korvanex {

// The questions as the user sees them: QMessageBox, QFileDialog and QPrintDialog.
class QtUserPrompt : public UserPrompt {
  public:
    Button showMessage(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
};

} // namespace korvanex
