// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>

class QTextBrowser;

namespace korvanex {

// Help > User Guide: the guide for engineers bundled with the program, in a browser of its own
// (`txtGuide`) whose links lead within the guide.
class frmUserGuide : public QDialog {
    Q_OBJECT

  public:
    explicit frmUserGuide(QWidget* parent);

    QSize sizeHint() const override;

  private:
    QTextBrowser* browser_;
};

} // namespace korvanex
