// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "isolated_settings.h"

#include <QApplication>

#include <clocale>

namespace korvanex {

// The application of a developer's tool that draws windows without showing them: the offscreen
// platform unless QT_QPA_PLATFORM names another, numbers read and written in the C locale, and settings
// of its own (isolated_settings.h).
class OffscreenApplication : public QApplication {
  public:
    OffscreenApplication(int& argc, char* argv[]) : QApplication(offscreenUnlessChosen(argc), argv) {
        std::setlocale(LC_NUMERIC, "C");
    }

  private:
    static int& offscreenUnlessChosen(int& argc) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return argc;
    }
};

} // namespace korvanex
