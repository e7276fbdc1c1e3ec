// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QApplication>

namespace korvanex {

// The hourglass pointer for as long as a command runs, restored on every way out of it.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace korvanex
