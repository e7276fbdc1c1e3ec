// SPDX-License-Identifier: Apache-2.0
#include "dialogs/about_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace korvanex {

namespace {

constexpr int PictureSize = 128;

const QColor Concrete(0xc8, 0xc8, 0xc0);
const QColor Joint(0x55, 0x55, 0x55);
const QColor Tire(0x20, 0x20, 0x20);
const QColor Subgrade(0xa0, 0x78, 0x50);
const QColor WarmTop(0xd0, 0x40, 0x30);
const QColor CoolBottom(0x30, 0x60, 0xc0);

QPixmap blankPicture() {
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

QPixmap slabPlanPicture() {
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    // Four slabs meeting at a transverse and a longitudinal joint.
    painter.setPen(QPen(Joint, 2));
    painter.setBrush(Concrete);
    painter.drawRect(8, 8, 54, 54);
    painter.drawRect(66, 8, 54, 54);
    painter.drawRect(8, 66, 54, 54);
    painter.drawRect(66, 66, 54, 54);

    // A dual-tandem wheel group at the slab edge, with the axle lines.
    painter.setPen(QPen(Tire, 2));
    painter.drawLine(40, 84, 40, 112);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Tire);
    for (int y : {78, 102}) {
        painter.drawRoundedRect(28, y, 9, 14, 2, 2);
        painter.drawRoundedRect(43, y, 9, 14, 2, 2);
    }

    // The critical stress point under the wheels.
    painter.setBrush(WarmTop);
    painter.drawEllipse(QPointF(40, 120), 4, 4);
    return picture;
}

QPixmap curlingSectionPicture() {
    QPixmap picture = blankPicture();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Subgrade);
    painter.drawRect(0, 86, PictureSize, 42);

    // A slab warmer on top than at the bottom curls down at its ends.
    QPainterPath slab;
    slab.moveTo(10, 70);
    slab.quadTo(64, 40, 118, 70);
    slab.lineTo(118, 86);
    slab.quadTo(64, 56, 10, 86);
    slab.closeSubpath();
    painter.setPen(QPen(Joint, 1.5));
    painter.setBrush(Concrete);
    painter.drawPath(slab);

    painter.setPen(QPen(WarmTop, 3));
    painter.drawLine(20, 24, 108, 24);
    painter.setPen(QPen(CoolBottom, 3));
    painter.drawLine(20, 106, 108, 106);

    // The axle load pressing on the slab.
    painter.setPen(QPen(Tire, 3));
    painter.drawLine(64, 6, 64, 40);
    painter.setBrush(Tire);
    painter.drawPolygon(QPolygonF({QPointF(57, 34), QPointF(71, 34), QPointF(64, 46)}));
    return picture;
}

} // namespace korvanex
