// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace korvanex {

class UserPrompt;

// Writes a file the user chose through the core's writer, under the busy pointer. A failure, or bytes
// that are empty because the picture could not be drawn, is told in a warning box: `failure` and then
// the reason.
void saveChosenFile(UserPrompt& prompt, QWidget* parent, const QString& path, const QByteArray& bytes,
                    const QString& failure);

} // namespace korvanex
