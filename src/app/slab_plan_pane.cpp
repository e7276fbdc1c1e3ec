// SPDX-License-Identifier: Apache-2.0
#include "app/slab_plan_pane.h"

#include "app/svg_view.h"
#include "app/window_picture.h"

#include "formats/slab_plan_svg.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvanex {

SlabPlanPane::SlabPlanPane(UserPrompt& prompt, QWidget* parent) : QWidget(parent), view_(new SvgView) {
    setObjectName(QStringLiteral("slabPlan"));
    view_->setObjectName(QStringLiteral("planView"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addPictureButtons(
        *buttons,
        {"cmdSavePlanPng", QStringLiteral("Save &PNG..."), "cmdSavePlanSvg", QStringLiteral("Save &SVG...")},
        prompt, *this, {[this] { return view_->png(); }, [this] { return QByteArray::fromStdString(svg()); }},
        QStringLiteral("The plan was not saved: "));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
}

void SlabPlanPane::showCase(const AnalysisCase& record) {
    view_->showSvg(slabPlanSvg(record));
}

const std::string& SlabPlanPane::svg() const {
    return view_->svg();
}

} // namespace korvanex
