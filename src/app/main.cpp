// SPDX-License-Identifier: Apache-2.0
#include "app/main_window.h"
#include "dialogs/qt_user_prompt.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt takes the user's locale for the C library too; number texts are always read and written
    // with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("KORVANEX"));
    QGuiApplication::setDesktopFileName(QStringLiteral("korvanex"));

    korvanex::QtUserPrompt prompt;
    korvanex::frmMain window(prompt);
    window.show();
    return QApplication::exec();
}
