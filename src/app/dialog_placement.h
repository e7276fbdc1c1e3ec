// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>

class QWidget;

namespace korvanex {

// Where the program's windows open: centred on the main window where that is shown (else on the
// screen), at the size their shown fields need, and wholly on the screen where they fit. A window
// that grows or shrinks while open, as a dialog does when an option shows or hides fields, keeps
// its centre; a window the user resizes is left where the user has it.
class DialogPlacement : public QObject {
  public:
    explicit DialogPlacement(QWidget& owner);

    // Sizes and places a window before it is shown, and keeps it centred from then on.
    void place(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& owner_;
};

} // namespace korvanex
