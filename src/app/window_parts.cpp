// SPDX-License-Identifier: Apache-2.0
#include "app/window_parts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace korvanex {

QPushButton* addButton(QHBoxLayout& row, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

} // namespace korvanex
