// SPDX-License-Identifier: Apache-2.0
#include "dialogs/about_dialog.h"

#include "dialogs/about_pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvanex {

namespace {

const QString ShortText = QStringLiteral("KORVANEX Stress Analysis Program\n"
                                         "for Jointed Concrete Pavements\n"
                                         "\n"
                                         "Critical tensile stress in a concrete slab under one truck axle\n"
                                         "and a temperature differential through the slab.\n"
                                         "\n"
                                         "Version 1.0");

const QString LongText =
    QStringLiteral("KORVANEX Stress Analysis Program\n"
                   "for Jointed Concrete Pavements\n"
                   "\n"
                   "The program starts from Westergaard's closed-form solutions for a single wheel on an\n"
                   "infinite slab on a dense-liquid subgrade, at the interior, the edge and the corner.\n"
                   "\n"
                   "Adjustment factors fitted by projection-pursuit regression to finite element results\n"
                   "carry the Westergaard stress over to the real case: the gear configuration, the other\n"
                   "transverse wheels, a second layer bonded or unbonded, a tied concrete shoulder, a\n"
                   "widened outer lane, the size of the slab, and loading combined with thermal curling.\n"
                   "\n"
                   "For wheels at the edge a second, closed-form edge stress model (MERIDOC) is reported\n"
                   "beside the fitted result.\n"
                   "\n"
                   "Values may be entered in English or metric units; the computation itself runs in\n"
                   "inches, pounds and degrees Fahrenheit.\n"
                   "\n"
                   "Version 1.0");

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About KORVANEX Program"));

    auto* title = new QLabel(QStringLiteral("KORVANEX Stress Analysis Program"), this);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    auto* subtitle = new QLabel(QStringLiteral("for Jointed Concrete Pavements"), this);

    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setPlainText(ShortText);
    text_->setMinimumSize(560, 260);

    auto* plan = new QLabel(this);
    plan->setObjectName(QStringLiteral("Picture1"));
    plan->setPixmap(slabPlanPicture());
    auto* section = new QLabel(this);
    section->setObjectName(QStringLiteral("Picture2"));
    section->setPixmap(curlingSectionPicture());
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(plan);
    pictures->addWidget(section);
    pictures->addStretch();

    auto* moreInfo = new QPushButton(QStringLiteral("More Info"), this);
    moreInfo->setObjectName(QStringLiteral("cmdAddInfo"));
    connect(moreInfo, &QPushButton::clicked, this, &frmAbout::switchText);
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(moreInfo);
    buttons->addWidget(okButton);

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(subtitle);
    texts->addWidget(text_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(pictures);
    columns->addLayout(texts);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(buttons);
}

void frmAbout::switchText() {
    showsLongText_ = !showsLongText_;
    text_->setPlainText(showsLongText_ ? LongText : ShortText);
}

} // namespace korvanex
