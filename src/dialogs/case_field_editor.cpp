// SPDX-License-Identifier: Apache-2.0
#include "dialogs/case_field_editor.h"

#include "dialogs/field_tooltip.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace korvanex {

namespace {

constexpr int TextBoxWidth = 110;

} // namespace

CaseFieldEditor::CaseFieldEditor(AnalysisCase& record, Field field, const QString& labelName, QWidget* parent)
    : record_(record), field_(field), label_(new QLabel(parent)), edit_(new QLineEdit(parent)) {
    label_->setObjectName(labelName);
    edit_->setObjectName(
        QString::fromUtf8(fieldName(field).data(), static_cast<qsizetype>(fieldName(field).size())) +
        QStringLiteral("_V"));
    edit_->setFixedWidth(TextBoxWidth);
    label_->setBuddy(edit_);
    showRecord();
    QObject::connect(edit_, &QLineEdit::textChanged, edit_,
                     [&record, field](const QString& text) { record.text(field) = text.toStdString(); });
}

QString CaseFieldEditor::text() const {
    return edit_->text();
}

void CaseFieldEditor::setText(const QString& text) {
    edit_->setText(text);
}

void CaseFieldEditor::showRecord() {
    label_->setText(QString::fromStdString(record_.caption(field_)));
    edit_->setText(QString::fromStdString(record_.text(field_)));
    const QString tip = fieldToolTip(record_, field_);
    label_->setToolTip(tip);
    edit_->setToolTip(tip);
}

void CaseFieldEditor::keepRoomWhenHidden() {
    for (QWidget* widget : {static_cast<QWidget*>(label_), static_cast<QWidget*>(edit_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
}

void CaseFieldEditor::setShown(bool shown) {
    label_->setVisible(shown);
    edit_->setVisible(shown);
}

bool CaseFieldEditor::isShown() const {
    return !edit_->isHidden();
}

void CaseFieldEditor::addToGrid(QGridLayout& grid, int row, int column) const {
    grid.addWidget(label_, row, column);
    grid.addWidget(edit_, row, column + 1);
}

} // namespace korvanex
