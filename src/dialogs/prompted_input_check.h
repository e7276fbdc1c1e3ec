// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/input_check.h"
#include "dialogs/user_prompt.h"

namespace korvanex {

// The input check's questions as message boxes over a dialog.
class PromptedInputCheck : public InputCheckQuestions {
  public:
    PromptedInputCheck(UserPrompt& prompt, QWidget* parent) : prompt_(prompt), parent_(parent) {}

    void reportInvalidNumber(const std::string& text) override;
    bool offerBound(const std::string& text) override;
    void confirmKeptValue(const std::string& text) override;

  private:
    UserPrompt& prompt_;
    QWidget* parent_;
};

} // namespace korvanex
