// SPDX-License-Identifier: Apache-2.0
#include "cli/sweep_command.h"

#include "case/case_check.h"
#include "cli/command_case.h"
#include "cli/command_output.h"
#include "formats/batch_lines.h"
#include "studies/sweep.h"

namespace korvanex::cli {

// The case is checked with the varied field at its first point, and every point in its row. A first
// point that the check refuses is an error row, as a refused last point is: the rest of the case is
// then checked with the varied field at its default.
int sweepCommand(const CliOptions& options) {
    Design design;
    if (!loadDesign(options, design)) {
        return ExitFailure;
    }
    const AnalysisCase& record = design.record;
    const Field varied = options.vary->field;
    AnalysisCase checked = record;
    checked.text(varied) = sweepPointText(*options.vary, 0);
    if (!checkCaseFields(checked).refusal.empty()) {
        checked.text(varied) = AnalysisCase::defaults(record.units).text(varied);
    }
    if (!acceptCase(checked)) {
        return ExitFailure;
    }
    return writeCommandOutput(options, [&](std::ostream& out) {
        runSweep(record, *options.vary, out, BatchLines());
        return std::string();
    });
}

} // namespace korvanex::cli
