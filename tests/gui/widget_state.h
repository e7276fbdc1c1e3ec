// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "../golden_file.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

namespace korvanex {

// What a user sees of a window, one line per label, button and text field or area in creation order: its
// name, its text (a rich text label's as plain text), and whether it is hidden, disabled or selected.
inline QString describe(const QWidget& window) {
    QString lines = window.windowTitle() + QLatin1Char('\n');
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            text = label->text();
            if (Qt::mightBeRichText(text)) {
                QTextDocument document;
                document.setHtml(text);
                text = document.toPlainText();
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            text = button->text() + (button->isChecked() ? QStringLiteral(" [selected]") : QString());
        } else if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
            text = QLatin1Char('"') + field->text() + QLatin1Char('"');
        } else if (const auto* area = qobject_cast<const QPlainTextEdit*>(widget)) {
            text = area->toPlainText();
        } else {
            continue;
        }
        lines += widget->objectName() + QStringLiteral(": ") + text +
                 (widget->isHidden() ? QStringLiteral(" [hidden]") : QString()) +
                 (widget->isEnabled() ? QString() : QStringLiteral(" [disabled]")) + QLatin1Char('\n');
    }
    return lines;
}

// Every menu item of a menu bar, indented by level: its caption, shortcut, and whether it is unavailable,
// hidden, checkable and checked.
inline QString describe(const QMenuBar& bar) {
    QString lines;
    const auto items = [&lines](const auto& self, const QList<QAction*>& actions, int level) -> void {
        for (const QAction* item : actions) {
            lines += QString(level * 2, QLatin1Char(' ')) +
                     (item->isSeparator() ? QStringLiteral("-") : item->text());
            lines += item->shortcut().isEmpty() ? QString()
                                                : QStringLiteral(" (") + item->shortcut().toString() + ')';
            lines += item->isEnabled() ? QString() : QStringLiteral(" [unavailable]");
            lines += item->isVisible() ? QString() : QStringLiteral(" [hidden]");
            lines += item->isCheckable()
                         ? (item->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]"))
                         : QString();
            lines += QLatin1Char('\n');
            if (item->menu() != nullptr) {
                self(self, item->menu()->actions(), level + 1);
            }
        }
    };
    items(items, bar.actions(), 0);
    return lines;
}

// Whether a text matches its reference file tests/data/<name>; says what differs when it does not.
inline bool matchesGolden(const char* name, const QString& text) {
    const std::string difference =
        goldenDifference(std::string(KORVANEX_TEST_DATA "/") + name, text.toStdString());
    if (!difference.empty()) {
        qWarning("%s", difference.c_str());
    }
    return difference.empty();
}

} // namespace korvanex
