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

bool UserActivation::isUserActivation(const QEvent* event, const QWidget* dialog) {
    if (event->type() == QEvent::WindowDeactivate) {
        const QWidget* modal = QApplication::activeModalWidget();
        leftForModalBox_ = modal != nullptr && modal != dialog;
        return false;
    }
    if (event->type() != QEvent::WindowActivate) {
        return false;
    }
    // An activation that reaches the dialog while a box is still up (the window system's word of an
    // earlier box closing, handled while the next one shows) is no user's either.
    const QWidget* modal = QApplication::activeModalWidget();
    if (messageBoxesUp > 0 || (modal != nullptr && modal != dialog)) {
        leftForModalBox_ = true;
        return false;
    }
    const bool returnsFromBox = leftForModalBox_;
    leftForModalBox_ = false;
    return !returnsFromBox;
}

} // namespace korvanex
