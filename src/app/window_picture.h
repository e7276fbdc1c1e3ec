// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QHBoxLayout;
class QImage;
class QWidget;

namespace korvanex {

class UserPrompt;

// What a window shows as a picture, drawn when it is saved: as PNG and as SVG bytes, empty when it
// cannot be drawn.
struct WindowPicture {
    std::function<QByteArray()> png;
    std::function<QByteArray()> svg;
};

// A widget as the user sees it, as PNG; and drawn as SVG under the title of its window. `ready` runs
// before each drawing: a window whose picture is still being computed waits for it there.
WindowPicture widgetPicture(QWidget& widget, const std::function<void()>& ready = {});

// An image as PNG bytes.
QByteArray pngBytes(const QImage& image);

// The object names and captions of a window's Save PNG and Save SVG buttons.
struct PictureButtons {
    const char* pngName;
    QString pngCaption;
    const char* svgName;
    QString svgCaption;
};

// Those of the windows that show a chart.
inline const PictureButtons ChartPictureButtons = {"cmdSavePng", QStringLiteral("Save P&NG..."), "cmdSaveSvg",
                                                   QStringLiteral("Save S&VG...")};

// Adds a Save PNG and a Save SVG button at the end of the row. Each asks for a file name in its format,
// draws the picture in it and writes it through `saveChosenFile`, which tells a failure as `failure`
// and the reason.
void addPictureButtons(QHBoxLayout& row, const PictureButtons& buttons, UserPrompt& prompt, QWidget& window,
                       const WindowPicture& picture, const QString& failure);

} // namespace korvanex
