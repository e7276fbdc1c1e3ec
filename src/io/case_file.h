// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// The text of a case file (".DEF"): 32 lines ended by CR LF, the field texts written unchanged.
std::string caseFileText(const AnalysisCase& record);

// A word on the unit marker, location, gear or layer line of a loaded file that is none of the
// system's own, and what the reader chose in its place.
struct UnknownCaseWord {
    std::size_t line = 0;
    std::string what; // "unit marker", "location", "gear" or "layer"
    std::string word; // as the line holds it
    std::string chosen;

    // "line 7: unknown gear "Dual-Tandm"", control characters escaped.
    std::string problem() const;
    // The problem and the choice: "line 7: unknown gear "Dual-Tandm": Dual-Tridem was chosen".
    std::string problemAndChoice() const;
};

struct CaseFileReadResult {
    enum class Status { Loaded, IncorrectInputFile, Error };
    Status status = Status::Error;
    std::string message; // for Error: what went wrong, for the user
    // The layer line's yes/no attribute of the temperature menu item: set when the layer line
    // matched (yes for one layer, no for two layers), empty otherwise.
    std::optional<bool> oneLayerFile;
    // Loaded: the option lines whose words are unknown, in the order of the file.
    std::vector<UnknownCaseWord> unknownWords;
};

// Applies the contents of a case file to the record. The file is checked whole first: unless line 3
// is the header and there are at least 30 lines, nothing changes. The unit marker, location, gear and
// layer lines are compared with the system's words after dropping trailing blanks (and a UTF-8
// byte-order mark before the marker) and without regard to letter case. A line that still matches
// none is taken as the file format always took it, and named in unknownWords: another unit marker
// keeps the unit system, another location is the interior, another gear Dual-Tridem, another layer
// keeps the layer type.
CaseFileReadResult parseCaseFile(std::string_view bytes, AnalysisCase& record);

// Reads a case file from disk (at most 1 MiB) and applies it as parseCaseFile does.
CaseFileReadResult readCaseFile(const std::string& path, AnalysisCase& record);

// Writes the case file; an existing file is replaced only when the new one is complete.
// Returns an empty string on success, otherwise what failed.
std::string writeCaseFile(const std::string& path, const AnalysisCase& record);

} // namespace korvanex
