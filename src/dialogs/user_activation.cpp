// SPDX-License-Identifier: Apache-2.0
#include "dialogs/user_activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvanex {

namespace {

int messageBoxesUp = 0;

} // namespace

MessageBoxUp::MessageBoxUp() {
    ++messageBoxesUp;
}

MessageBoxUp::~MessageBoxUp() {
    --messageBoxesUp;
}

namespace {

// Whether a box stands over the dialog: one of the program's message boxes from before it shows until
// after it has closed, or any other modal window.
bool aBoxIsUp(const QWidget* dialog) {
    const QWidget* modal = QApplication::activeModalWidget();
    return messageBoxesUp > 0 || (modal != nullptr && modal != dialog);
}

} // namespace

bool UserActivation::isUserActivation(const QEvent* event, const QWidget* dialog) {
    if (event->type() == QEvent::WindowDeactivate) {
        leftForModalBox_ = aBoxIsUp(dialog);
        return false;
    }
    if (event->type() != QEvent::WindowActivate) {
        return false;
    }
    // An activation that reaches the dialog while a box is still up (the window system's word of an
    // earlier box closing, handled while the next one shows) is no user's either.
    if (aBoxIsUp(dialog)) {
        leftForModalBox_ = true;
        return false;
    }
    const bool returnsFromBox = leftForModalBox_;
    leftForModalBox_ = false;
    return !returnsFromBox;
}

} // namespace korvanex
