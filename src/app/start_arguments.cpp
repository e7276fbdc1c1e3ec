// SPDX-License-Identifier: Apache-2.0
#include "app/start_arguments.h"

#include "app/main_window.h"

#include <QCommandLineParser>
#include <QTimer>

namespace korvanex {

StartArguments readStartArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KORVANEX Stress Analysis Program"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE.DEF"), QStringLiteral("A case file to open at start."),
                                 QStringLiteral("[FILE.DEF]"));
    if (!parser.parse(arguments)) {
        return {{}, parser.errorText()};
    }
    if (parser.isSet(help)) {
        parser.showHelp();
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return {{}, QStringLiteral("one case file at most")};
    }
    return {files.isEmpty() ? QString() : files.front(), {}};
}

void openAtStart(frmMain& window, const QString& caseFile) {
    if (!caseFile.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, caseFile] { window.openCaseFile(caseFile); });
    }
}

} // namespace korvanex
