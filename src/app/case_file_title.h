// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <QString>

class QWidget;

namespace korvanex {

// The case file that the window's case was last read from or saved to, shown in the window's title
// with the modified mark while the case differs from the file. Without a case file the title is the
// program's own, "KORVANEX Stress Analysis Program".
class CaseFileTitle {
  public:
    explicit CaseFileTitle(QWidget& window);

    // The case was read from or saved to the file at `path`.
    void opened(const QString& path, const AnalysisCase& record);
    // The case may have changed.
    void follow(const AnalysisCase& record);

    // The case file's path; empty while the case has none.
    const QString& path() const { return path_; }

  private:
    QWidget& window_;
    QString path_;
    AnalysisCase inFile_;
};

} // namespace korvanex
