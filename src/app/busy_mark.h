// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>

class QTimer;

namespace korvanex {

class BackgroundWork;

// The mark that shows while a window's background work runs: a running bar and "Computing...". It
// shows once the work has run for a moment, so that quick work makes nothing flicker, and it keeps
// its room while hidden, so that nothing moves when it comes and goes.
class BusyMark : public QWidget {
    Q_OBJECT

  public:
    BusyMark(const BackgroundWork& work, QWidget* parent);

  private:
    QTimer* delay_;
};

} // namespace korvanex
