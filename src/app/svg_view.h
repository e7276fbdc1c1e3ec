// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QWidget>

#include <string>

class QSvgRenderer;

namespace korvanex {

// A picture the core drew as SVG, fitted into the widget on white, centred, its proportions kept.
class SvgView : public QWidget {
    Q_OBJECT

  public:
    explicit SvgView(QWidget* parent = nullptr);

    // Shows the picture; an empty text shows none.
    void showSvg(std::string svg);
    // The SVG text shown.
    const std::string& svg() const { return svg_; }
    // The picture as PNG at twice its own size in pixels, for print and zoom; empty when none is shown.
    QByteArray png() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::string svg_;
    QSvgRenderer* renderer_;
};

} // namespace korvanex
