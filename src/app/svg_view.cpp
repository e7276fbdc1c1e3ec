// SPDX-License-Identifier: Apache-2.0
#include "app/svg_view.h"

#include "app/window_picture.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace korvanex {

namespace {

constexpr int PngScale = 2;

} // namespace

SvgView::SvgView(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this)) {
    setMinimumSize(160, 160);
    connect(renderer_, &QSvgRenderer::repaintNeeded, this, qOverload<>(&QWidget::update));
}

void SvgView::showSvg(std::string svg) {
    if (svg == svg_) {
        return;
    }
    svg_ = std::move(svg);
    renderer_->load(QByteArray::fromStdString(svg_));
    update();
}

QByteArray SvgView::png() const {
    if (svg_.empty()) {
        return {};
    }
    QImage image(renderer_->defaultSize() * PngScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer_->render(&painter);
    painter.end();
    return pngBytes(image);
}

void SvgView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (svg_.empty()) {
        return;
    }
    QSizeF size = renderer_->defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    const QPointF corner((width() - size.width()) / 2, (height() - size.height()) / 2);
    renderer_->render(&painter, QRectF(corner, size));
}

} // namespace korvanex
