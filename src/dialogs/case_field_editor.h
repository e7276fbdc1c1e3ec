// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace korvanex {

// A numeric field of the case as a dialog shows it: a label with the field's caption beside a text
// box. The text box edits the record in place, so that every part of the program reads what is typed.
class CaseFieldEditor {
  public:
    // The text box is named after the field with the suffix "_V", the label as given.
    CaseFieldEditor(AnalysisCase& record, Field field, const QString& labelName, QWidget* parent);
    CaseFieldEditor(const CaseFieldEditor&) = delete;
    CaseFieldEditor& operator=(const CaseFieldEditor&) = delete;

    Field field() const { return field_; }
    QString text() const;
    void setText(const QString& text);

    // Caption and text as the record holds them.
    void showRecord();
    // Shows or hides the label and the text box together.
    void setShown(bool shown);
    // Hidden, the label and the text box keep their room in the layout, so that the dialog keeps its size.
    void keepRoomWhenHidden();
    // Whether the current options show the field (while its dialog is open or closed alike).
    bool isShown() const;
    void addToGrid(QGridLayout& grid, int row, int column = 0) const;

  private:
    AnalysisCase& record_;
    Field field_;
    QLabel* label_;
    QLineEdit* edit_;
};

} // namespace korvanex
