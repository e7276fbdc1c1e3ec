// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

namespace korvanex {

// The one local file that a drag holds, when its name ends in one of the suffixes (".DEF"), in any
// letter case; empty when the drag holds anything else.
QString droppedFile(const QMimeData& data, const QStringList& suffixes);

} // namespace korvanex
