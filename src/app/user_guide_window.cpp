// SPDX-License-Identifier: Apache-2.0
#include "app/user_guide_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace korvanex {

frmUserGuide::frmUserGuide(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmUserGuide"));
    setWindowTitle(QStringLiteral("KORVANEX User Guide"));
    browser_->setObjectName(QStringLiteral("txtGuide"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/user-guide.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QSize frmUserGuide::sizeHint() const {
    return {860, 720};
}

} // namespace korvanex
