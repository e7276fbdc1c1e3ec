// SPDX-License-Identifier: Apache-2.0
#include "dialogs/prompted_input_check.h"

namespace korvanex {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void PromptedInputCheck::reportInvalidNumber(const std::string& text) {
    using Button = UserPrompt::Button;
    prompt_.showMessage(
        parent_, {qText(InputCheckTitle), qText(text), {Button::Cancel, Button::TryAgain, Button::Continue}});
}

bool PromptedInputCheck::offerBound(const std::string& text) {
    using Button = UserPrompt::Button;
    return prompt_.showMessage(parent_, {qText(InputCheckTitle), qText(text), {Button::Yes, Button::No}}) ==
           Button::Yes;
}

void PromptedInputCheck::confirmKeptValue(const std::string& text) {
    prompt_.showMessage(parent_, {qText(KeepValueTitle), qText(text), {UserPrompt::Button::Ok}});
}

} // namespace korvanex
