// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;

namespace korvanex {

// The title of the program's own message boxes.
inline const QString ProgramTitle = QStringLiteral("KORVANEX");

// A push button named `name` at the end of the row. Return in a text box of the window takes the value
// typed: it never presses the button.
QPushButton* addButton(QHBoxLayout& row, const char* name, const QString& caption);

} // namespace korvanex
