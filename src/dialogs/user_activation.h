// SPDX-License-Identifier: Apache-2.0
#pragma once

class QEvent;
class QWidget;

namespace korvanex {

// Tells the activations of a dialog that the user makes (the dialog opened, or the user coming back
// from another window) from the one that only ends a message box the dialog itself put up.
class UserActivation {
  public:
    // Call for every event of the dialog; true for an activation made by the user.
    bool isUserActivation(const QEvent* event, const QWidget* dialog);

  private:
    bool leftForModalBox_ = false;
};

// Marks the time a message box of the program is up, from before it shows until after it has closed:
// an activation that reaches a dialog then is the window system's doing, never the user's.
class MessageBoxUp {
  public:
    MessageBoxUp();
    ~MessageBoxUp();
    MessageBoxUp(const MessageBoxUp&) = delete;
    MessageBoxUp& operator=(const MessageBoxUp&) = delete;
};

} // namespace korvanex
