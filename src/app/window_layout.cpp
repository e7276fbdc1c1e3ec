// SPDX-License-Identifier: Apache-2.0
#include "app/window_layout.h"

#include <QMainWindow>
#include <QSettings>
#include <QSplitter>

namespace korvanex {

namespace {

const QString GeometryKey = QStringLiteral("mainWindow/geometry");
const QString DividerKey = QStringLiteral("mainWindow/divider");

} // namespace

void restoreWindowLayout(QMainWindow& window, QSplitter& divider) {
    const QSettings settings;
    window.restoreGeometry(settings.value(GeometryKey).toByteArray());
    divider.restoreState(settings.value(DividerKey).toByteArray());
}

void saveWindowLayout(const QMainWindow& window, const QSplitter& divider) {
    QSettings settings;
    settings.setValue(GeometryKey, window.saveGeometry());
    settings.setValue(DividerKey, divider.saveState());
}

} // namespace korvanex
