// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <string>
#include <vector>

namespace korvanex {

// The stress report of a case and the results of its last computation, line by line, without line
// ends. The detailed section is written when `detailed` is set.
std::vector<std::string> WriteReport(const AnalysisCase& record, bool detailed,
                                     const AnalysisResults& results);

// The report's first section alone: its heading and the case's inputs ("Original  Data").
std::vector<std::string> reportInputLines(const AnalysisCase& record);

// The report as the report file holds it: every line, the last one too, ended by CR LF (UTF-8).
std::string reportFileText(const std::vector<std::string>& lines);

// Writes the report file; an existing file is replaced only when the new one is complete.
// Returns an empty string on success, otherwise what failed.
std::string writeReportFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace korvanex
