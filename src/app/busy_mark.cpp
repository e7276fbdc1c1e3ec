// SPDX-License-Identifier: Apache-2.0
#include "app/busy_mark.h"

#include "app/background_work.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace korvanex {

namespace {

// How long work runs before the mark shows.
constexpr int ShowAfterMs = 150;
constexpr int BarWidth = 80;

// A part of the mark keeps its room while hidden.
void keepRoomWhenHidden(QWidget& part) {
    QSizePolicy policy = part.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    part.setSizePolicy(policy);
    part.hide();
}

} // namespace

BusyMark::BusyMark(const BackgroundWork& work, QWidget* parent) : QWidget(parent), delay_(new QTimer(this)) {
    auto* bar = new QProgressBar;
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedWidth(BarWidth);
    auto* label = new QLabel(QStringLiteral("Computing..."));
    label->setObjectName(QStringLiteral("lblBusy"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* part : std::initializer_list<QWidget*>{bar, label}) {
        keepRoomWhenHidden(*part);
        layout->addWidget(part);
    }

    delay_->setSingleShot(true);
    delay_->setInterval(ShowAfterMs);
    const auto show = [bar, label](bool shown) {
        bar->setVisible(shown);
        label->setVisible(shown);
    };
    connect(delay_, &QTimer::timeout, this, [show] { show(true); });
    connect(&work, &BackgroundWork::busyChanged, this, [this, show](bool busy) {
        if (busy) {
            delay_->start();
        } else {
            delay_->stop();
            show(false);
        }
    });
}

} // namespace korvanex
