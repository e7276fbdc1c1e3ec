#include "dialogs/environment_dialog.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/input_dialog_parts.h"
#include "dialogs/prompted_input_check.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvanex {

frmEnvironPct::frmEnvironPct(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : QDialog(parent), record_(initialisedPart(record, RecordPart::Environment)), prompt_(prompt),
      fields_(record, {{Field::F, QStringLiteral("F")}, {Field::alp, QStringLiteral("alp")}}, this) {
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
    fields_.remember();
}

void frmEnvironPct::showRecord() {
    fields_.showRecord();
}

bool frmEnvironPct::event(QEvent* event) {
    if (activation_.isUserActivation(event, this)) {
        fields_.remember();
    }
    return QDialog::event(event);
}

void frmEnvironPct::ok() {
    BusyCursor busy;
    PromptedInputCheck ask(prompt_, this);
    if (!fields_.checkShownFields(ask)) {
        fields_.restore();
        return;
    }
    fields_.remember();
    hide();
}

void frmEnvironPct::cancel() {
    BusyCursor busy;
    hide();
    fields_.restore();
}

} // namespace korvanex
