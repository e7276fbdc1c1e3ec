// SPDX-License-Identifier: Apache-2.0
#include "app/slab_plan_pane.h"

#include "app/window_picture.h"

#include "formats/slab_plan_svg.h"

#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace korvanex {

namespace {

// A saved picture has twice the pixels of the plan's own size, for print and zoom.
constexpr int PngScale = 2;

// The picture fitted into the widget, centred, its proportions kept.
class PlanView : public QWidget {
  public:
    explicit PlanView(QSvgRenderer& renderer) : renderer_(renderer) {
        setObjectName(QStringLiteral("planView"));
        setMinimumSize(160, 160);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QSizeF size = renderer_.defaultSize();
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
        const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
        renderer_.render(&painter, QRectF(corner, size));
    }

  private:
    QSvgRenderer& renderer_;
};

} // namespace

SlabPlanPane::SlabPlanPane(UserPrompt& prompt, QWidget* parent)
    : QWidget(parent), renderer_(new QSvgRenderer(this)) {
    setObjectName(QStringLiteral("slabPlan"));
    auto* view = new PlanView(*renderer_);
    connect(renderer_, &QSvgRenderer::repaintNeeded, view, qOverload<>(&QWidget::update));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addPictureButtons(
        *buttons,
        {"cmdSavePlanPng", QStringLiteral("Save &PNG..."), "cmdSavePlanSvg", QStringLiteral("Save &SVG...")},
        prompt, *this, {[this] { return png(); }, [this] { return QByteArray::fromStdString(svg_); }},
        QStringLiteral("The plan was not saved: "));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
}

void SlabPlanPane::showCase(const AnalysisCase& record) {
    std::string svg = slabPlanSvg(record);
    if (svg == svg_) {
        return;
    }
    svg_ = std::move(svg);
    renderer_->load(QByteArray::fromStdString(svg_));
}

QByteArray SlabPlanPane::png() const {
    QImage image(renderer_->defaultSize() * PngScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer_->render(&painter);
    painter.end();
    return pngBytes(image);
}

} // namespace korvanex
