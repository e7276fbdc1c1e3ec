// SPDX-License-Identifier: Apache-2.0
#include "app/report_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace korvanex {

QString reportCharacters() {
    QString characters;
    for (char c = ' '; c <= '~'; ++c) {
        characters += QLatin1Char(c);
    }
    return characters + QStringLiteral("γμΔ");
}

bool advancesEvenly(const QFont& font, const QString& characters) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(characters.left(1));
    for (const QChar character : characters) {
        if (metrics.horizontalAdvance(QString(character)) != width) {
            return false;
        }
    }
    return true;
}

QFont reportFont() {
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const QString characters = reportCharacters();
    if (advancesEvenly(system, characters)) {
        return system;
    }
    for (const QString& family : QFontDatabase::families()) {
        if (!QFontDatabase::isFixedPitch(family)) {
            continue;
        }
        QFont candidate(family);
        if (system.pointSizeF() > 0) {
            candidate.setPointSizeF(system.pointSizeF());
        } else {
            candidate.setPixelSize(system.pixelSize());
        }
        if (advancesEvenly(candidate, characters)) {
            return candidate;
        }
    }
    return system;
}

} // namespace korvanex
