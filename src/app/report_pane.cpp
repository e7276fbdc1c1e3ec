// SPDX-License-Identifier: Apache-2.0
#include "app/report_pane.h"

#include "app/report_font.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace korvanex {

ReportPane::ReportPane(QWidget* parent)
    : QWidget(parent), outOfDate_(new QLabel(this)), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("reportPane"));
    outOfDate_->setObjectName(QStringLiteral("lblReportOutOfDate"));
    outOfDate_->setText(QStringLiteral("The case has changed since this report was computed: choose Compute "
                                       "Stresses to bring it up to date."));
    outOfDate_->setWordWrap(true);
    outOfDate_->setMargin(6);
    outOfDate_->setStyleSheet(
        QStringLiteral("background: #fff3c4; color: #5c4400; border: 1px solid #d9b44a;"));
    outOfDate_->hide();

    text_->setObjectName(QStringLiteral("txtReports"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFont(reportFont());
    // A file dropped on the report goes to the window, which opens it.
    text_->setAcceptDrops(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(outOfDate_);
    layout->addWidget(text_, 1);
}

void ReportPane::showText(const QString& text) {
    text_->setPlainText(text);
}

QString ReportPane::text() const {
    return text_->toPlainText();
}

void ReportPane::setOutOfDate(bool outOfDate) {
    outOfDate_->setVisible(outOfDate);
    QPalette palette = text_->palette();
    palette.setColor(QPalette::Text, outOfDate ? QColor(0x80, 0x80, 0x80) : QPalette().color(QPalette::Text));
    text_->setPalette(palette);
}

bool ReportPane::isOutOfDate() const {
    return !outOfDate_->isHidden();
}

} // namespace korvanex
