#include "dialogs/input_dialog_parts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace korvanex {

AnalysisCase& initialisedPart(AnalysisCase& record, RecordPart part) {
    initializePart(record, part, record.units);
    return record;
}

QHBoxLayout* okCancelRow(QDialog* dialog, const std::function<void()>& ok,
                         const std::function<void()>& cancel) {
    auto* okButton = new QPushButton(QStringLiteral("&OK"), dialog);
    okButton->setObjectName(QStringLiteral("OK"));
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), dialog);
    cancelButton->setObjectName(QStringLiteral("Cancel"));
    QObject::connect(okButton, &QPushButton::clicked, dialog, ok);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    return buttons;
}

} // namespace korvanex
