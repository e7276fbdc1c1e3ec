#pragma once

#include "dialogs/user_prompt.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace korvanex {

// Answers the program's questions from a script and records every one, for the widget tests.
// Message boxes with only an OK button take no scripted answer; a question offering Yes without a
// scripted answer fails the running test, and any other box gets its first button. File dialogs
// without a scripted name are cancelled, and so is the print dialog without a scripted set-up.
class ScriptedPrompt : public UserPrompt {
  public:
    struct Shown {
        QString title;
        QString text;
        QList<Button> buttons;
        Icon icon;
    };

    Button showMessage(QWidget* parent, const Message& message) override;
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& filter) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;

    // The script.
    QList<Button> answers;
    QStringList openNames;
    QStringList saveNames;
    std::function<bool(QPrinter&)> printerSetUp;

    // What was asked.
    QList<Shown> messages;
    QStringList openFilters;
    QStringList saveFilters;
    int printerRequests = 0;

    // Forgets what was asked so far.
    void clearRecord();
};

} // namespace korvanex
