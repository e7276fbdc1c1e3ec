// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "dialogs/user_prompt.h"

#include <QString>

namespace korvanex {

// The prompt of the window benchmarks: no message waits for an answer, and a file dialog that opens
// a file gives the name set here.
class NoQuestions : public UserPrompt {
  public:
    Button showMessage(QWidget*, const Message& message) override {
        return message.buttons.isEmpty() ? Button::Ok : message.buttons.first();
    }
    QString openFileName(QWidget*, const QString&) override { return openName; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    bool setUpPrinter(QWidget*, QPrinter&) override { return false; }

    QString openName;
};

} // namespace korvanex
