// SPDX-License-Identifier: Apache-2.0
#include "cli/sweep_command.h"

#include "cli/command_case.h"
#include "cli/command_output.h"
#include "formats/batch_lines.h"
#include "studies/sweep.h"

namespace korvanex::cli {

// The case is checked with the varied field at its first point; every point is checked in its row.
int sweepCommand(const CliOptions& options) {
    Design design;
    if (!loadDesign(options, design)) {
        return ExitFailure;
    }
    const AnalysisCase& record = design.record;
    AnalysisCase firstPoint = record;
    firstPoint.text(options.vary->field) = sweepPointText(*options.vary, 0);
    if (!acceptCase(firstPoint)) {
        return ExitFailure;
    }
    return writeCommandOutput(options, [&](std::ostream& out) {
        runSweep(record, *options.vary, out, BatchLines());
        return std::string();
    });
}

} // namespace korvanex::cli
