// SPDX-License-Identifier: Apache-2.0
#include "app/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvanex {

namespace {

// The room kept between a dialog and what it stands beside.
constexpr int Gap = 8;

// The top left corner that puts a frame of the given size as near the wanted corner as the area allows;
// a frame larger than the area starts at its top left corner.
QPoint cornerWithin(QPoint wanted, QSize frame, const QRect& area) {
    return {std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())),
            std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()))};
}

QRect screenArea(const QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

QRect globalRect(const QWidget& widget) {
    return {widget.mapToGlobal(QPoint(0, 0)), widget.size()};
}

qint64 area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

QPoint cornerBesidePlan(QSize frame, const QRect& owner, const QRect& plan, const QRect& report,
                        const QRect& screen) {
    const bool planOnTheRight = plan.center().x() >= report.center().x();
    const QPoint right(owner.right() + 1 + Gap, plan.top());
    const QPoint left(owner.left() - Gap - frame.width(), plan.top());
    for (const QPoint& beside : {planOnTheRight ? right : left, planOnTheRight ? left : right}) {
        if (screen.contains(QRect(beside, frame))) {
            return beside;
        }
    }
    const int overReportLeft =
        planOnTheRight ? std::min(report.center().x() - frame.width() / 2, plan.left() - Gap - frame.width())
                       : std::max(report.center().x() - frame.width() / 2, plan.right() + 1 + Gap);
    const QPoint overReport(overReportLeft, report.center().y() - frame.height() / 2);
    QPoint best;
    qint64 leastCovered = -1;
    for (const QPoint& wanted : {overReport, right, left}) {
        const QPoint placed = cornerWithin(wanted, frame, screen);
        const qint64 covered = area(QRect(placed, frame).intersected(plan));
        if (leastCovered < 0 || covered < leastCovered) {
            best = placed;
            leastCovered = covered;
        }
    }
    return best;
}

DialogPlacement::DialogPlacement(QWidget& owner, QWidget& plan, QWidget& report)
    : QObject(&owner), owner_(owner), plan_(plan), report_(report) {}

// The frame is known only once the window has been shown; before that the window's own size counts.
void DialogPlacement::place(QWidget& window) {
    window.adjustSize();
    const QRect area = screenArea(owner_);
    const QPoint centre = owner_.isVisible() ? owner_.frameGeometry().center() : area.center();
    const QSize frame = window.frameGeometry().size();
    window.move(cornerWithin(centre - QPoint(frame.width() / 2, frame.height() / 2), frame, area));
}

void DialogPlacement::placeBesidePlan(QWidget& dialog) {
    if (!owner_.isVisible() || !plan_.isVisible()) {
        place(dialog);
        return;
    }
    dialog.adjustSize();
    dialog.move(cornerBesidePlan(dialog.frameGeometry().size(), owner_.frameGeometry(), globalRect(plan_),
                                 globalRect(report_), screenArea(owner_)));
}

} // namespace korvanex
