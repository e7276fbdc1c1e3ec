#pragma once

#include <QApplication>
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
