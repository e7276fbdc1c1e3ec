// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <vector>

class QPrinter;

namespace korvanex {

// Prints the report's lines in a fixed-pitch font, starting a new page whenever one is full. Each of
// the copies chosen for the printer is a print job of its own. False when a job fails.
bool printReportCopies(QPrinter& printer, const std::vector<std::string>& lines);

} // namespace korvanex
