// SPDX-License-Identifier: Apache-2.0
#include "cli/case_command.h"

#include "case/fault.h"
#include "cli/command_case.h"
#include "cli/command_output.h"
#include "engine/compute_stresses.h"
#include "formats/report.h"
#include "formats/results_json.h"
#include "formats/slab_plan_svg.h"
#include "io/case_file.h"

#include <string>
#include <vector>

namespace korvanex::cli {

namespace {

std::string reportText(const CliOptions& options, const AnalysisCase& record,
                       const AnalysisResults& results) {
    const std::vector<std::string> lines = WriteReport(record, options.detailed, results);
    return options.outputPath ? reportFileText(lines) : joinedLines(lines);
}

} // namespace

int caseCommand(const CliOptions& options) {
    Design design;
    if (!loadDesign(options, design) || !acceptCase(design.record) || !saveDesign(options, design)) {
        return ExitFailure;
    }
    const AnalysisCase& record = design.record;
    if (options.command == Command::Plan) {
        return writeCommandOutput(options, slabPlanSvg(record));
    }
    AnalysisResults results;
    try {
        computeStresses(record, results);
    } catch (const FloatingPointFault& fault) {
        return failOnFault(fault);
    }
    return writeCommandOutput(options, options.command == Command::Json
                                           ? resultsJson(record, results)
                                           : reportText(options, record, results));
}

} // namespace korvanex::cli
