// SPDX-License-Identifier: Apache-2.0
#include "app/dropped_file.h"

#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace korvanex {

QString droppedFile(const QMimeData& data, const QStringList& suffixes) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QString path = urls.front().toLocalFile();
    const bool known = std::any_of(suffixes.begin(), suffixes.end(), [&path](const QString& suffix) {
        return path.endsWith(suffix, Qt::CaseInsensitive);
    });
    return known ? path : QString();
}

} // namespace korvanex
