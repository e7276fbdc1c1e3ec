// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace korvanex {

// The named child of a window, or a failed test when there is none.
template <class Widget> Widget& child(const QObject& window, const char* name) {
    Widget* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no child named ") + QLatin1String(name)), __FILE__, __LINE__);
        throw std::runtime_error(name);
    }
    return *widget;
}

// Chooses a window's named menu item.
inline void trigger(const QWidget& window, const char* item) {
    child<QAction>(window, item).trigger();
}

// What a dialog's named text field holds, typing into it, clicking a named button, whether a named
// option is selected, and whether a named control is shown.
inline QString text(const QWidget& dialog, const char* field) {
    return child<QLineEdit>(dialog, field).text();
}

inline void type(QWidget& dialog, const char* field, const QString& value) {
    child<QLineEdit>(dialog, field).setText(value);
}

inline void click(QWidget& dialog, const char* button) {
    child<QAbstractButton>(dialog, button).click();
}

inline bool selected(const QWidget& dialog, const char* option) {
    return child<QRadioButton>(dialog, option).isChecked();
}

inline bool shown(const QWidget& dialog, const char* widget) {
    return !child<QWidget>(dialog, widget).isHidden();
}

// A table's headers, and the texts of one of its rows.
inline QStringList headers(const QTableView& table) {
    QStringList texts;
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        texts << table.model()->headerData(column, Qt::Horizontal).toString();
    }
    return texts;
}

inline QStringList row(const QTableView& table, int index) {
    QStringList texts;
    for (int column = 0; column < table.model()->columnCount(); ++column) {
        texts << table.model()->index(index, column).data().toString();
    }
    return texts;
}

// A file's bytes, none when it cannot be read; a file written with the bytes, its path or none.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// Waits until a tool window (the design chart, fatigue) shows the results of its latest request.
template <class Window> void waitForResults(Window& window) {
    QSignalSpy ready(&window, &Window::resultsReady);
    if (window.isComputing()) {
        QVERIFY(ready.wait(120000));
    }
}

// Opens a tool window from the menu of the main window and waits for its results.
template <class Window> Window& openTool(const QWidget& window, const char* item, const char* name) {
    trigger(window, item);
    Window& tool = child<Window>(window, name);
    waitForResults(tool);
    return tool;
}

// The user's desk: a window elsewhere to switch to, so that every move to a window is an activation
// of it, as when the user comes back to a dialog from another window.
class Desk {
  public:
    // False when the window did not become active.
    bool activate(QWidget& window) { return makeActive(elsewhere_) && makeActive(window); }

  private:
    static bool makeActive(QWidget& window) {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget elsewhere_;
};

} // namespace korvanex
