#include "dialogs/environment_dialog.h"

#include "case/typical_ranges.h"
#include "dialogs/busy_cursor.h"
#include "dialogs/input_dialog_parts.h"
#include "dialogs/prompted_input_check.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace korvanex {

frmEnvironPct::frmEnvironPct(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(initialisedPart(record, RecordPart::Environment)),
      prompt_(prompt), fields_{{
                           {record, Field::F, QStringLiteral("F"), this},
                           {record, Field::alp, QStringLiteral("alp"), this},
                       }} {
    setObjectName(QStringLiteral("frmEnvironPct"));
    setWindowTitle(QStringLiteral("Environmental Data"));

    auto* values = new QGridLayout;
    fields_[F].addToGrid(*values, F);
    fields_[alp].addToGrid(*values, alp);

    QHBoxLayout* buttons = okCancelRow(
        this, [this] { ok(); }, [this] { cancel(); });

    auto* page = new QVBoxLayout(this);
    page->addLayout(values);
    page->addLayout(buttons);
    page->setSizeConstraint(QLayout::SetFixedSize);
    rememberValues();
}

void frmEnvironPct::showRecord() {
    for (CaseFieldEditor& field : fields_) {
        field.showRecord();
    }
}

bool frmEnvironPct::event(QEvent* event) {
    if (activation_.isUserActivation(event, this)) {
        rememberValues();
    }
    return QDialog::event(event);
}

void frmEnvironPct::rememberValues() {
    for (int which = 0; which < CheckedFieldCount; ++which) {
        rememberedTexts_[which] = fields_[which].text();
    }
}

void frmEnvironPct::restoreTexts() {
    for (int which = 0; which < CheckedFieldCount; ++which) {
        fields_[which].setText(rememberedTexts_[which]);
    }
}

void frmEnvironPct::ok() {
    BusyCursor busy;
    PromptedInputCheck ask(prompt_, this);
    for (CaseFieldEditor& field : fields_) {
        const TypicalRange range = typicalRange(field.field(), record_.units).value();
        field.setText(QString::fromStdString(
            CheckInputValue(field.text().toStdString(), range.label, range.minimum, range.maximum, ask)));
    }
    const bool accepted = std::all_of(fields_.begin(), fields_.end(), [](const CaseFieldEditor& field) {
        return isAcceptedFieldText(field.text().toStdString());
    });
    if (!accepted) {
        restoreTexts();
        return;
    }
    rememberValues();
    hide();
}

void frmEnvironPct::cancel() {
    BusyCursor busy;
    hide();
    restoreTexts();
}

} // namespace korvanex
