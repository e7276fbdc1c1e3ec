// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

namespace korvanex {

// Every question the program puts to the user in a modal window: message boxes and the file and
// print dialogs. The windows go through this one interface so that another implementation can
// answer them, as the widget tests do.
class UserPrompt {
  public:
    enum class Button { Ok, Yes, No, Cancel, TryAgain, Continue };
    enum class Icon { None, Question, Warning };

    struct Message {
        QString title;
        QString text;
        QList<Button> buttons;
        Icon icon = Icon::None;
    };

    virtual ~UserPrompt() = default;

    // Shows a message box and returns the button pressed.
    virtual Button showMessage(QWidget* parent, const Message& message) = 0;
    // The file dialogs show the files matching the filter, e.g. "(*.DEF)", in any letter case. They
    // return the chosen full path, or an empty text when cancelled. The save dialog adds the filter's
    // extension to a name typed without one, and asks before an existing file is replaced.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& filter) = 0;
    // Lets the user choose the printer and the number of copies; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

} // namespace korvanex
