// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvanex {

// The text of a case file (".DEF"): 32 lines ended by CR LF, the field texts written unchanged.
std::string caseFileText(const AnalysisCase& record);

struct CaseFileReadResult {
    enum class Status { Loaded, IncorrectInputFile, Error };
    Status status = Status::Error;
    std::string message; // for Error: what went wrong, for the user
    // The layer line's yes/no attribute of the temperature menu item: set when the layer line
    // matched (yes for one layer, no for two layers), empty otherwise.
    std::optional<bool> oneLayerFile;
};

// Applies the contents of a case file to the record. The file is checked whole first: unless line 3
// is the header and there are at least 30 lines, nothing changes.
CaseFileReadResult parseCaseFile(std::string_view bytes, AnalysisCase& record);

// Reads a case file from disk (at most 1 MiB) and applies it as parseCaseFile does.
CaseFileReadResult readCaseFile(const std::string& path, AnalysisCase& record);

// Writes the case file; an existing file is replaced only when the new one is complete.
// Returns an empty string on success, otherwise what failed.
std::string writeCaseFile(const std::string& path, const AnalysisCase& record);

} // namespace korvanex
