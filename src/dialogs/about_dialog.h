// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace korvanex {

// The About box: the program's name, a credit text and two pictures. "More Info" switches between
// the short and the long text.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent);

  private:
    void switchText();

    QPlainTextEdit* text_;
    bool showsLongText_ = false;
};

} // namespace korvanex
