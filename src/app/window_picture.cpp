// SPDX-License-Identifier: Apache-2.0
#include "app/window_picture.h"

#include "app/saved_file.h"
#include "app/window_parts.h"

#include "dialogs/user_prompt.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QWidget>

namespace korvanex {

namespace {

QByteArray widgetSvg(QWidget& widget) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(widget.size());
    generator.setViewBox(widget.rect());
    generator.setTitle(widget.window()->windowTitle());
    QPainter painter;
    if (painter.begin(&generator)) {
        widget.render(&painter);
        painter.end();
    }
    return bytes;
}

void addSaveButton(QHBoxLayout& row, const char* name, const QString& caption, UserPrompt& prompt,
                   QWidget& window, const QString& filter, const std::function<QByteArray()>& draw,
                   const QString& failure) {
    QObject::connect(addButton(row, name, caption), &QPushButton::clicked, &window,
                     [&prompt, &window, filter, draw, failure] {
                         const QString path = prompt.saveFileName(&window, filter);
                         if (!path.isEmpty()) {
                             saveChosenFile(prompt, &window, path, draw(), failure);
                         }
                     });
}

} // namespace

WindowPicture widgetPicture(QWidget& widget, const std::function<void()>& ready) {
    const auto whenReady = [ready] {
        if (ready) {
            ready();
        }
    };
    return {[&widget, whenReady] {
                whenReady();
                return pngBytes(widget.grab().toImage());
            },
            [&widget, whenReady] {
                whenReady();
                return widgetSvg(widget);
            }};
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void addPictureButtons(QHBoxLayout& row, const PictureButtons& buttons, UserPrompt& prompt, QWidget& window,
                       const WindowPicture& picture, const QString& failure) {
    addSaveButton(row, buttons.pngName, buttons.pngCaption, prompt, window, QStringLiteral("(*.png)"),
                  picture.png, failure);
    addSaveButton(row, buttons.svgName, buttons.svgCaption, prompt, window, QStringLiteral("(*.svg)"),
                  picture.svg, failure);
}

} // namespace korvanex
