// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "dialogs/case_field_editor.h"

#include <QString>

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <vector>

class QWidget;

namespace korvanex {

class PromptedInputCheck;

// The numeric fields an input dialog checks on OK and puts back on Cancel, in the order it checks
// them: their editors, and the texts they held when the dialog last opened or accepted them. A field that
// its dialog's options hide keeps its room, so that the dialog keeps its size.
class CheckedFieldGroup {
  public:
    // A field and the object name of its label.
    struct Entry {
        Field field;
        QString labelName;
    };

    CheckedFieldGroup(AnalysisCase& record, std::initializer_list<Entry> entries, QWidget* parent);

    CaseFieldEditor& operator[](std::size_t which) { return editors_[which]; }
    std::size_t size() const { return editors_.size(); }

    // Every caption and text as the record holds them.
    void showRecord();
    // Remembers every text as it stands.
    void remember();
    // Puts every remembered text back.
    void restore();
    // Checks each shown field against its typical range in order, asking through `ask` when a value is
    // outside it; a hidden field keeps its text as it is. Whether every shown field holds an accepted
    // text afterwards.
    bool checkShownFields(PromptedInputCheck& ask);

  private:
    const AnalysisCase& record_;
    std::deque<CaseFieldEditor> editors_;
    std::vector<QString> remembered_;
};

} // namespace korvanex
