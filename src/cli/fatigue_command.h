#pragma once

#include "case/analysis_case.h"
#include "cli/cli_options.h"

namespace korvanex::cli {

// Loads the case the command line describes; false, with the message written, when it cannot.
using CaseLoader = bool (*)(const CliOptions& options, AnalysisCase& record);

// korvanex-cli fatigue: the damage of the spectrum on the case, as a text table, CSV or JSON, with the
// required slab thickness when asked. Returns the exit status.
int fatigueCommand(const CliOptions& options, CaseLoader loadCase);

} // namespace korvanex::cli
