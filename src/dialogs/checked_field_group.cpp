// SPDX-License-Identifier: Apache-2.0
#include "dialogs/checked_field_group.h"

#include "case/input_check.h"
#include "case/typical_ranges.h"
#include "dialogs/prompted_input_check.h"

#include <algorithm>

namespace korvanex {

CheckedFieldGroup::CheckedFieldGroup(AnalysisCase& record, std::initializer_list<Entry> entries,
                                     QWidget* parent)
    : record_(record), remembered_(entries.size()) {
    for (const Entry& entry : entries) {
        editors_.emplace_back(record, entry.field, entry.labelName, parent).keepRoomWhenHidden();
    }
}

void CheckedFieldGroup::showRecord() {
    for (CaseFieldEditor& editor : editors_) {
        editor.showRecord();
    }
}

void CheckedFieldGroup::remember() {
    for (std::size_t which = 0; which < editors_.size(); ++which) {
        remembered_[which] = editors_[which].text();
    }
}

void CheckedFieldGroup::restore() {
    for (std::size_t which = 0; which < editors_.size(); ++which) {
        editors_[which].setText(remembered_[which]);
    }
}

bool CheckedFieldGroup::checkShownFields(PromptedInputCheck& ask) {
    for (CaseFieldEditor& editor : editors_) {
        if (editor.isShown()) {
            const TypicalRange range = typicalRange(editor.field(), record_.units).value();
            editor.setText(QString::fromStdString(CheckInputValue(editor.text().toStdString(), range.label,
                                                                  range.minimum, range.maximum, ask)));
        }
    }
    return std::all_of(editors_.begin(), editors_.end(), [](const CaseFieldEditor& editor) {
        return !editor.isShown() || isAcceptedFieldText(editor.text().toStdString());
    });
}

} // namespace korvanex
