// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace korvanex {

// The top left corner of an input dialog's frame that leaves the plan in view, in screen
// coordinates: beside the main window's frame `owner`, level with the plan, on the plan's side first,
// where the screen has room for it there; else over the report, clear of the plan and kept on the
// screen. Where that covers some of the plan, whichever of these places, kept on the screen, covers
// the least of it (over the report first).
QPoint cornerBesidePlan(QSize frame, const QRect& owner, const QRect& plan, const QRect& report,
                        const QRect& screen);

// Where the program's windows open, at the size their fields need and wholly on the screen where they
// fit: the input dialogs beside the main window's plan or over its report, so that the plan can be
// watched while typing; every other window centred on the main window where that is shown, else on
// the screen.
class DialogPlacement : public QObject {
  public:
    DialogPlacement(QWidget& owner, QWidget& plan, QWidget& report);

    // Sizes and places a window before it is shown, centred.
    void place(QWidget& window);
    // Sizes and places an input dialog before it is shown, clear of the plan (centred while the plan or
    // the main window is not shown).
    void placeBesidePlan(QWidget& dialog);

  private:
    QWidget& owner_;
    QWidget& plan_;
    QWidget& report_;
};

} // namespace korvanex
