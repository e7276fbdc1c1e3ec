// SPDX-License-Identifier: Apache-2.0
#include "app/main_window.h"
#include "app/start_arguments.h"
#include "dialogs/qt_user_prompt.h"

#include <QApplication>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Qt takes the user's locale for the C library too; number texts are always read and written
    // with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("KORVANEX"));
    QApplication::setApplicationName(QStringLiteral("KORVANEX"));
    QApplication::setApplicationVersion(QStringLiteral(KORVANEX_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("korvanex"));

    const korvanex::StartArguments arguments = korvanex::readStartArguments(QApplication::arguments());
    if (!arguments.error.isEmpty()) {
        std::fprintf(stderr, "korvanex: %s\n", qPrintable(arguments.error));
        return 2;
    }
    korvanex::QtUserPrompt prompt;
    korvanex::frmMain window(prompt);
    window.show();
    korvanex::openAtStart(window, arguments.caseFile);
    return QApplication::exec();
}
