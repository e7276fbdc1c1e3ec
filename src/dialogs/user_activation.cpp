#include "dialogs/user_activation.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace korvanex {

bool UserActivation::isUserActivation(const QEvent* event, const QWidget* dialog) {
    if (event->type() == QEvent::WindowDeactivate) {
        const QWidget* modal = QApplication::activeModalWidget();
        leftForModalBox_ = modal != nullptr && modal != dialog;
        return false;
    }
    if (event->type() != QEvent::WindowActivate) {
        return false;
    }
    const bool returnsFromBox = leftForModalBox_;
    leftForModalBox_ = false;
    return !returnsFromBox;
}

} // namespace korvanex
