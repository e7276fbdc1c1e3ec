// SPDX-License-Identifier: Apache-2.0
#include "app/dialog_placement.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvanex {

namespace {

// The top left corner that centres a frame of the given size on a point, within the area where the
// frame fits; a frame larger than the area starts at its top left corner.
QPoint centredCorner(QPoint centre, QSize frame, const QRect& area) {
    const int left = std::clamp(centre.x() - frame.width() / 2, area.left(),
                                std::max(area.left(), area.right() + 1 - frame.width()));
    const int top = std::clamp(centre.y() - frame.height() / 2, area.top(),
                               std::max(area.top(), area.bottom() + 1 - frame.height()));
    return {left, top};
}

QRect screenArea(const QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

} // namespace

DialogPlacement::DialogPlacement(QWidget& owner) : QObject(&owner), owner_(owner) {}

// The frame is known only once the window has been shown; before that the window's own size counts.
void DialogPlacement::place(QWidget& window) {
    window.adjustSize();
    const QRect area = screenArea(owner_);
    const QPoint centre = owner_.isVisible() ? owner_.frameGeometry().center() : area.center();
    window.move(centredCorner(centre, window.frameGeometry().size(), area));
    window.removeEventFilter(this);
    window.installEventFilter(this);
}

bool DialogPlacement::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QWidget*>(watched);
    // Only a window sized by its fields; one the user resizes stays where the user has it.
    const bool fixedSize = window != nullptr && window->minimumSize() == window->maximumSize();
    if (event->type() == QEvent::Resize && fixedSize && window->isVisible()) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->oldSize().isValid()) {
            const QSize growth = resize->size() - resize->oldSize();
            const QPoint centre =
                window->frameGeometry().center() - QPoint(growth.width(), growth.height()) / 2;
            window->move(centredCorner(centre, window->frameGeometry().size(), screenArea(*window)));
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace korvanex
