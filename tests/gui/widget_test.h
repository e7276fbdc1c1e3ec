// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the widget tests of the desktop program share: settings of their own, the main window, its input
// dialogs, the scripted prompt, the named children of a window and the description of what a window shows.

#include "app/main_window.h"
#include "dialogs/axle_dialog.h"
#include "dialogs/environment_dialog.h"
#include "dialogs/pavement_dialog.h"
#include "isolated_settings.h"
#include "scripted_prompt.h"
#include "widget_access.h"
#include "widget_state.h"

#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QTemporaryDir>

namespace korvanex {

// The report on the main window's screen.
inline QString reportText(const frmMain& window) {
    return child<QPlainTextEdit>(window, "txtReports").toPlainText();
}

// Opens the pavement dialog from the menu.
inline QWidget& pavement(const frmMain& window) {
    trigger(window, "mnutStressPavementData");
    return child<QWidget>(window, "frmPvmtStrs");
}

} // namespace korvanex
