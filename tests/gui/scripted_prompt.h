// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/user_prompt.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTest>

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

    Button showMessage(QWidget*, const Message& message) override {
        messages.append({message.title, message.text, message.buttons, message.icon});
        if (message.buttons == QList<Button>{Button::Ok}) {
            return Button::Ok;
        }
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        if (message.buttons.contains(Button::Yes)) {
            QTest::qFail(qPrintable(QStringLiteral("no scripted answer for the question: ") + message.text),
                         __FILE__, __LINE__);
        }
        return message.buttons.isEmpty() ? Button::Ok : message.buttons.first();
    }
    QString openFileName(QWidget*, const QString& filter) override {
        openFilters.append(filter);
        return openNames.isEmpty() ? QString() : openNames.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& filter) override {
        saveFilters.append(filter);
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerRequests;
        return printerSetUp ? printerSetUp(printer) : false;
    }

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

    // The texts of the messages shown.
    QStringList texts() const {
        QStringList shown;
        for (const Shown& message : messages) {
            shown << message.text;
        }
        return shown;
    }

    // Sets the printer up to print to a PDF file.
    void printTo(const QString& path) {
        printerSetUp = [path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
    }

    // Forgets what was asked so far.
    void clearRecord() {
        messages.clear();
        openFilters.clear();
        saveFilters.clear();
        printerRequests = 0;
    }
};

} // namespace korvanex
