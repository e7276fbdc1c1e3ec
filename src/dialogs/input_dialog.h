// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "dialogs/checked_field_group.h"
#include "dialogs/user_activation.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <initializer_list>
#include <vector>

class QLayout;
class QRadioButton;

namespace korvanex {

class UserPrompt;

// An input dialog: numeric fields and option buttons that edit one part of the case in place, above
// OK and Cancel. The dialog remembers its texts and options whenever the user opens it or comes back
// to it. OK checks the shown fields and closes once they hold accepted texts; Cancel closes and puts
// back what was remembered. Creating a dialog initialises its part of the case for the case's unit
// system.
class InputDialog : public QDialog {
    Q_OBJECT

  public:
    // Captions and texts as the record holds them after a case file replaced them.
    virtual void showRecord();

  protected:
    // An option button: its object name and caption.
    struct OptionEntry {
        const char* name;
        QString caption;
    };

    // The fields in the order OK checks them, the options in the order Cancel puts them back; each
    // dialog names both by an enumeration in the same order.
    InputDialog(AnalysisCase& record, RecordPart part, UserPrompt& prompt,
                std::initializer_list<CheckedFieldGroup::Entry> fields,
                std::initializer_list<OptionEntry> options, QWidget* parent);

    AnalysisCase& record() const { return record_; }
    CheckedFieldGroup& fields() { return fields_; }
    QRadioButton* option(int which) const { return options_[static_cast<std::size_t>(which)]; }

    // Selects an option as Cancel puts it back: the fields it governs follow it.
    void selectOption(int which);
    // Lays the dialog out: `content` above the OK and Cancel buttons, at the size that every field it may
    // show needs, with Tab going through them in their order on screen.
    void layOut(QLayout* content);
    // Remembers every text and every option's selection as they stand.
    void rememberValues();
    void rememberOption(int which);

    bool event(QEvent* event) override;

  private:
    // Writes the selected options into the record; every option that is selected or cleared calls it.
    virtual void writeOptionsToRecord() {}
    // The fields an option governs follow it.
    virtual void followOption(int) {}
    // A click on an option: the fields it governs follow it.
    virtual void optionClicked(int which) { followOption(which); }
    // OK remembers every option when it accepts the fields, none when it refuses them.
    virtual void rememberOptionsOnOk(bool accepted);

    void rememberOptions();
    void placeTabStops();
    void ok();
    void cancel();
    void putBackOption(int which);

    AnalysisCase& record_;
    UserPrompt& prompt_;
    CheckedFieldGroup fields_;
    std::vector<QRadioButton*> options_;
    std::vector<bool> rememberedSelections_;
    UserActivation activation_;
};

} // namespace korvanex
