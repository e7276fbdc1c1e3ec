// SPDX-License-Identifier: Apache-2.0
#include "dialogs/environment_dialog.h"

#include <QGridLayout>

namespace korvanex {

frmEnvironPct::frmEnvironPct(AnalysisCase& record, UserPrompt& prompt, QWidget* parent)
    : InputDialog(record, RecordPart::Environment, prompt,
                  {{Field::F, QStringLiteral("F")}, {Field::alp, QStringLiteral("alp")}}, {}, parent) {
    setObjectName(QStringLiteral("frmEnvironPct"));
    setWindowTitle(QStringLiteral("Environmental Data"));
    auto* values = new QGridLayout;
    fields()[F].addToGrid(*values, F);
    fields()[alp].addToGrid(*values, alp);
    layOut(values);
    rememberValues();
}

} // namespace korvanex
