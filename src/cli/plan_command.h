#pragma once

#include "case/analysis_case.h"
#include "cli/cli_options.h"

#include <string>

namespace korvanex::cli {

// The plan command: the slab plan of the case as SVG, written to the output file or printed.
// Returns an empty string on success, otherwise what failed.
std::string writePlan(const CliOptions& options, const AnalysisCase& record);

} // namespace korvanex::cli
