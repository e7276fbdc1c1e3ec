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

} // namespace korvanex
