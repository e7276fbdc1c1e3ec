// SPDX-License-Identifier: Apache-2.0
#include "app/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace korvanex {

namespace {

const QString SettingsKey = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu& menu, QObject* parent) : QObject(parent), menu_(menu) {
    showMenu(paths());
}

QStringList RecentFiles::paths() const {
    return QSettings().value(SettingsKey).toStringList().mid(0, Capacity);
}

void RecentFiles::add(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    list.prepend(path);
    keep(list.mid(0, Capacity));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(path);
    keep(list);
}

void RecentFiles::keep(const QStringList& paths) {
    QSettings().setValue(SettingsKey, paths);
    showMenu(paths);
}

// Each file is named with a number for its shortcut key; the whole path shows in the status bar.
void RecentFiles::showMenu(const QStringList& paths) {
    menu_.clear();
    for (int which = 0; which < paths.size(); ++which) {
        const QString& path = paths[which];
        QAction* item = menu_.addAction(QStringLiteral("&%1 %2").arg(which + 1).arg(
            QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"))));
        item->setObjectName(QStringLiteral("mnuRecentFile%1").arg(which + 1));
        item->setStatusTip(QDir::toNativeSeparators(path));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_.setEnabled(!paths.isEmpty());
}

} // namespace korvanex
