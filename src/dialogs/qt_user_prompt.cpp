// SPDX-License-Identifier: Apache-2.0
#include "dialogs/qt_user_prompt.h"

#include "dialogs/user_activation.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>

#include <map>

namespace korvanex {

namespace {

// A command that shows the busy pointer may ask a question on the way: the question gets the
// ordinary pointer, and the busy one comes back with the answer.
class OrdinaryPointerWhileAsking {
  public:
    OrdinaryPointerWhileAsking() : overridden_(QApplication::overrideCursor() != nullptr) {
        if (overridden_) {
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        }
    }
    ~OrdinaryPointerWhileAsking() {
        if (overridden_) {
            QApplication::restoreOverrideCursor();
        }
    }
    OrdinaryPointerWhileAsking(const OrdinaryPointerWhileAsking&) = delete;
    OrdinaryPointerWhileAsking& operator=(const OrdinaryPointerWhileAsking&) = delete;

  private:
    bool overridden_;
};

// Cancel, Try Again and Continue share one role so that they stay in the order given.
QAbstractButton* addButton(QMessageBox& box, UserPrompt::Button button) {
    switch (button) {
    case UserPrompt::Button::Ok:
        return box.addButton(QMessageBox::Ok);
    case UserPrompt::Button::Yes:
        return box.addButton(QMessageBox::Yes);
    case UserPrompt::Button::No:
        return box.addButton(QMessageBox::No);
    case UserPrompt::Button::Cancel:
        return box.addButton(QStringLiteral("Cancel"), QMessageBox::ActionRole);
    case UserPrompt::Button::TryAgain:
        return box.addButton(QStringLiteral("Try Again"), QMessageBox::ActionRole);
    case UserPrompt::Button::Continue:
        return box.addButton(QStringLiteral("Continue"), QMessageBox::ActionRole);
    }
    return box.addButton(QMessageBox::Ok);
}

QMessageBox::Icon boxIcon(UserPrompt::Icon icon) {
    switch (icon) {
    case UserPrompt::Icon::Question:
        return QMessageBox::Question;
    case UserPrompt::Icon::Warning:
        return QMessageBox::Warning;
    case UserPrompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The answer of a box closed without a button (Escape, close box): Cancel, else No, else the first.
UserPrompt::Button escapeAnswer(const QList<UserPrompt::Button>& buttons) {
    for (UserPrompt::Button button : {UserPrompt::Button::Cancel, UserPrompt::Button::No}) {
        if (buttons.contains(button)) {
            return button;
        }
    }
    return buttons.isEmpty() ? UserPrompt::Button::Ok : buttons.first();
}

// The extension of a filter such as "(*.DEF)": "DEF".
QString filterSuffix(const QString& filter) {
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString chooseFile(QWidget* parent, const QString& filter, QFileDialog::AcceptMode mode) {
    OrdinaryPointerWhileAsking pointer;
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The platform's own dialogs may match the filter case-sensitively; Qt's matches any letter case
    // as long as the filter flags leave out QDir::CaseSensitive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    dialog.setNameFilter(filter);
    // A saved file keeps the extension the filter lists, so that the open dialog finds it again; the
    // overwrite question is asked for the name with its extension.
    if (mode == QFileDialog::AcceptSave) {
        dialog.setDefaultSuffix(filterSuffix(filter));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

UserPrompt::Button QtUserPrompt::showMessage(QWidget* parent, const Message& message) {
    OrdinaryPointerWhileAsking pointer;
    QMessageBox box(parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setIcon(boxIcon(message.icon));
    std::map<QAbstractButton*, Button> answers;
    for (Button button : message.buttons) {
        answers[addButton(box, button)] = button;
    }
    for (const auto& [widget, button] : answers) {
        if (button == escapeAnswer(message.buttons)) {
            box.setEscapeButton(widget);
        }
    }
    {
        const MessageBoxUp up;
        box.exec();
    }
    const auto answer = answers.find(box.clickedButton());
    return answer == answers.end() ? escapeAnswer(message.buttons) : answer->second;
}

QString QtUserPrompt::openFileName(QWidget* parent, const QString& filter) {
    return chooseFile(parent, filter, QFileDialog::AcceptOpen);
}

QString QtUserPrompt::saveFileName(QWidget* parent, const QString& filter) {
    return chooseFile(parent, filter, QFileDialog::AcceptSave);
}

bool QtUserPrompt::setUpPrinter(QWidget* parent, QPrinter& printer) {
    OrdinaryPointerWhileAsking pointer;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace korvanex
