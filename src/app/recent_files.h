// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace korvanex {

// File > Recent Files: the files last read or saved, newest first, at most Capacity of them, kept in
// the settings from one run to the next. The list holds the path of any kind of file; the window that
// owns it opens each by its kind.
class RecentFiles : public QObject {
    Q_OBJECT

  public:
    static constexpr int Capacity = 8;

    // Fills the menu with the list as the settings hold it.
    RecentFiles(QMenu& menu, QObject* parent);

    // The file was read or saved: it goes to the top of the list.
    void add(const QString& path);
    // The file is gone: it leaves the list.
    void remove(const QString& path);
    QStringList paths() const;

  signals:
    // The user chose a file from the menu.
    void chosen(const QString& path);

  private:
    void keep(const QStringList& paths);
    void showMenu(const QStringList& paths);

    QMenu& menu_;
};

} // namespace korvanex
