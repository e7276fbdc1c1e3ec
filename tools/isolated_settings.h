// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QSettings>
#include <QTemporaryDir>

namespace korvanex {

// The settings of a program run by a test or a developer's tool: kept in a folder of their own that
// starts empty and is removed at the end, never the user's.
class IsolatedSettings {
  public:
    IsolatedSettings() {
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, folder_.path());
    }

  private:
    QTemporaryDir folder_;
};

// Set up before main, so before any window reads a setting.
inline const IsolatedSettings isolatedSettings;

} // namespace korvanex
