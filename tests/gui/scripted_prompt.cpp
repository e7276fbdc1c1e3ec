#include "scripted_prompt.h"

#include <QTest>

namespace korvanex {

UserPrompt::Button ScriptedPrompt::showMessage(QWidget*, const Message& message) {
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

QString ScriptedPrompt::openFileName(QWidget*, const QString& filter) {
    openFilters.append(filter);
    return openNames.isEmpty() ? QString() : openNames.takeFirst();
}

QString ScriptedPrompt::saveFileName(QWidget*, const QString& filter) {
    saveFilters.append(filter);
    return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
}

bool ScriptedPrompt::setUpPrinter(QWidget*, QPrinter& printer) {
    ++printerRequests;
    return printerSetUp ? printerSetUp(printer) : false;
}

void ScriptedPrompt::clearRecord() {
    messages.clear();
    openFilters.clear();
    saveFilters.clear();
    printerRequests = 0;
}

} // namespace korvanex
