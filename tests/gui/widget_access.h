// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
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

// Waits until a tool window (the design chart, fatigue) shows the results of its latest request.
template <class Window> void waitForResults(Window& window) {
    QSignalSpy ready(&window, &Window::resultsReady);
    if (window.isComputing()) {
        QVERIFY(ready.wait(120000));
    }
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
