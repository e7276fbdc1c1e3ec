// SPDX-License-Identifier: Apache-2.0
#pragma once

class QMainWindow;
class QSplitter;

namespace korvanex {

// The main window's size and place and its divider, kept in the settings from one run to the next.
void restoreWindowLayout(QMainWindow& window, QSplitter& divider);
void saveWindowLayout(const QMainWindow& window, const QSplitter& divider);

} // namespace korvanex
