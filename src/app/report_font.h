// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QFont>
#include <QString>

namespace korvanex {

// Every character that a report can hold: printable ASCII and the Greek letters of the captions.
QString reportCharacters();

// Whether every character of the text advances by the same width in the font.
bool advancesEvenly(const QFont& font, const QString& characters);

// The font of the report area: the system's fixed font when the report's characters advance evenly in
// it, otherwise the first fixed-pitch family at the same size in which they do (the system's fixed font
// again when none does).
QFont reportFont();

} // namespace korvanex
