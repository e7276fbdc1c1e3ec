// SPDX-License-Identifier: Apache-2.0
#include "app/saved_file.h"

#include "app/window_parts.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/user_prompt.h"
#include "io/file_access.h"

#include <QFile>

namespace korvanex {

void saveChosenFile(UserPrompt& prompt, QWidget* parent, const QString& path, const QByteArray& bytes,
                    const QString& failure) {
    std::string error = "the picture could not be drawn";
    if (!bytes.isEmpty()) {
        BusyCursor busy;
        error = writeFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
    }
    if (!error.empty()) {
        prompt.showMessage(parent, {ProgramTitle,
                                    failure + QString::fromStdString(error),
                                    {UserPrompt::Button::Ok},
                                    UserPrompt::Icon::Warning});
    }
}

} // namespace korvanex
