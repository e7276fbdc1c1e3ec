// SPDX-License-Identifier: Apache-2.0
#include "dialogs/input_dialog.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/prompted_input_check.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvanex {

namespace {

// Creating an input dialog is the first use of its part of the case: the part gets its captions and
// defaults for the unit system in force before any field shows them.
AnalysisCase& initialisedPart(AnalysisCase& record, RecordPart part) {
    initializePart(record, part, record.units);
    return record;
}

// Clears an option button without selecting another of its frame, which may leave the frame with no
// option selected: putting back a remembered "not selected" does exactly that.
void clearOption(QRadioButton* option) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

// The widgets that Tab reaches, in the order the layout places them on screen: the items of each layout
// in turn, a frame's own layout where the frame stands.
void collectInLayoutOrder(const QLayout& layout, QList<QWidget*>& widgets) {
    for (int index = 0; index < layout.count(); ++index) {
        QLayoutItem* item = layout.itemAt(index);
        if (const QLayout* inner = item->layout()) {
            collectInLayoutOrder(*inner, widgets);
        } else if (QWidget* widget = item->widget()) {
            if (widget->layout() != nullptr) {
                collectInLayoutOrder(*widget->layout(), widgets);
            } else if (widget->focusPolicy() != Qt::NoFocus) {
                widgets.append(widget);
            }
        }
    }
}

QPushButton* newButton(QDialog* dialog, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

// The option buttons are put into their frames when the dialog lays them out; only from then on is
// each frame a group of mutually exclusive options.
InputDialog::InputDialog(AnalysisCase& record, RecordPart part, UserPrompt& prompt,
                         std::initializer_list<CheckedFieldGroup::Entry> fields,
                         std::initializer_list<OptionEntry> options, QWidget* parent)
    : QDialog(parent), record_(initialisedPart(record, part)), prompt_(prompt), fields_(record, fields, this),
      rememberedSelections_(options.size()) {
    for (const OptionEntry& entry : options) {
        const int which = static_cast<int>(options_.size());
        auto* button = options_.emplace_back(new QRadioButton(entry.caption));
        button->setObjectName(QString::fromLatin1(entry.name));
        connect(button, &QRadioButton::toggled, this, [this] {
            writeOptionsToRecord();
            placeTabStops();
        });
        connect(button, &QRadioButton::clicked, this, [this, which] { optionClicked(which); });
    }
}

void InputDialog::showRecord() {
    fields_.showRecord();
}

void InputDialog::selectOption(int which) {
    option(which)->setChecked(true);
    followOption(which);
}

void InputDialog::layOut(QLayout* content) {
    QPushButton* ok = newButton(this, "OK", QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton* cancel = newButton(this, "Cancel", QStringLiteral("&Cancel"));
    connect(ok, &QPushButton::clicked, this, &InputDialog::ok);
    connect(cancel, &QPushButton::clicked, this, &InputDialog::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* page = new QVBoxLayout(this);
    page->addLayout(content);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes through the fields, the options and the buttons as they stand on screen.
    QList<QWidget*> order;
    collectInLayoutOrder(*page, order);
    for (qsizetype next = 1; next < order.size(); ++next) {
        setTabOrder(order[next - 1], order[next]);
    }
    placeTabStops();
}

// Tab stops at the selected option of each frame (at its first option while none is selected); the
// arrow keys move between the options of a frame.
void InputDialog::placeTabStops() {
    for (QRadioButton* button : options_) {
        const QList<QRadioButton*> frame = button->parentWidget() != nullptr
                                               ? button->parentWidget()->findChildren<QRadioButton*>()
                                               : QList<QRadioButton*>{button};
        const bool noneSelected = std::none_of(
            frame.begin(), frame.end(), [](const QRadioButton* option) { return option->isChecked(); });
        const bool stop = button->isChecked() || (noneSelected && button == frame.front());
        button->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void InputDialog::rememberValues() {
    fields_.remember();
    rememberOptions();
}

void InputDialog::rememberOptions() {
    for (std::size_t which = 0; which < options_.size(); ++which) {
        rememberOption(static_cast<int>(which));
    }
}

void InputDialog::rememberOption(int which) {
    rememberedSelections_[static_cast<std::size_t>(which)] = option(which)->isChecked();
}

bool InputDialog::event(QEvent* event) {
    if (activation_.isUserActivation(event, this)) {
        rememberValues();
    }
    return QDialog::event(event);
}

void InputDialog::rememberOptionsOnOk(bool accepted) {
    if (accepted) {
        rememberOptions();
    }
}

// Only the shown fields are checked; a hidden field keeps its text as it is.
void InputDialog::ok() {
    BusyCursor busy;
    PromptedInputCheck ask(prompt_, this);
    const bool accepted = fields_.checkShownFields(ask);
    if (accepted) {
        fields_.remember();
        hide();
    } else {
        fields_.restore();
    }
    rememberOptionsOnOk(accepted);
}

void InputDialog::cancel() {
    BusyCursor busy;
    hide();
    for (std::size_t which = 0; which < options_.size(); ++which) {
        putBackOption(static_cast<int>(which));
    }
    fields_.restore();
}

void InputDialog::putBackOption(int which) {
    if (rememberedSelections_[static_cast<std::size_t>(which)]) {
        selectOption(which);
    } else {
        clearOption(option(which));
    }
}

} // namespace korvanex
