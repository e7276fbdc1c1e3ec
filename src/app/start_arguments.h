// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>

namespace korvanex {

class frmMain;

// The command line of the desktop program, `korvanex [FILE.DEF]` (with --help and --version, which
// print their text and end the program): the case file to open at start, or what is wrong with the
// command line.
struct StartArguments {
    QString caseFile;
    QString error;
};

StartArguments readStartArguments(const QStringList& arguments);

// Opens the case file once the event loop runs, through File > Read's reader and messages, so that
// they appear over the window.
void openAtStart(frmMain& window, const QString& caseFile);

} // namespace korvanex
