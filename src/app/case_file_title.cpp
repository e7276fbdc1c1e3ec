// SPDX-License-Identifier: Apache-2.0
#include "app/case_file_title.h"

#include <QFileInfo>
#include <QWidget>

namespace korvanex {

namespace {

const QString ProgramWindowTitle = QStringLiteral("KORVANEX Stress Analysis Program");

} // namespace

CaseFileTitle::CaseFileTitle(QWidget& window) : window_(window) {
    window_.setWindowTitle(ProgramWindowTitle);
}

void CaseFileTitle::opened(const QString& path, const AnalysisCase& record) {
    path_ = path;
    inFile_ = record;
    window_.setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] - ") + ProgramWindowTitle);
    window_.setWindowModified(false);
}

void CaseFileTitle::follow(const AnalysisCase& record) {
    window_.setWindowModified(!path_.isEmpty() && !(record == inFile_));
}

} // namespace korvanex
