// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace korvanex {

// The report area: the report's text in a read-only, fixed-pitch text box (`txtReports`), under a
// band that says when the report no longer belongs to the case as it stands, while its text turns grey.
class ReportPane : public QWidget {
    Q_OBJECT

  public:
    explicit ReportPane(QWidget* parent);

    void showText(const QString& text);
    QString text() const;
    void setOutOfDate(bool outOfDate);
    bool isOutOfDate() const;

  private:
    QLabel* outOfDate_;
    QPlainTextEdit* text_;
};

} // namespace korvanex
