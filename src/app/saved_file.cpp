#include "app/saved_file.h"

#include "app/window_parts.h"

#include "dialogs/busy_cursor.h"
#include "dialogs/user_prompt.h"
#include "io/file_access.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

namespace korvanex {

QByteArray widgetPng(QWidget& widget) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    widget.grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray widgetSvg(QWidget& widget, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(widget.size());
    generator.setViewBox(widget.rect());
    generator.setTitle(title);
    QPainter painter;
    if (painter.begin(&generator)) {
        widget.render(&painter);
        painter.end();
    }
    return bytes;
}

void saveChosenFile(UserPrompt& prompt, QWidget* parent, const QString& path, const QByteArray& bytes,
                    const QString& failure) {
    std::string error = "the picture could not be drawn";
    if (!bytes.isEmpty()) {
        BusyCursor busy;
        error = writeFileAtomically(QFile::encodeName(path).toStdString(), bytes.toStdString());
    }
    if (!error.empty()) {
        prompt.showMessage(parent, {ProgramTitle,
                                    failure + QString::fromStdString(error),
                                    {UserPrompt::Button::Ok},
                                    UserPrompt::Icon::Warning});
    }
}

} // namespace korvanex
