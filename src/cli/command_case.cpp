// SPDX-License-Identifier: Apache-2.0
#include "cli/command_case.h"

#include "case/case_check.h"
#include "cli/command_output.h"
#include "io/case_file.h"

namespace korvanex::cli {

bool loadCase(const CliOptions& options, AnalysisCase& record) {
    record = AnalysisCase::defaults(options.metric ? UnitSystem::Metric : UnitSystem::English);
    if (options.casePath) {
        const CaseFileReadResult read = readCaseFile(*options.casePath, record);
        if (read.status == CaseFileReadResult::Status::IncorrectInputFile) {
            fail(*options.casePath + ": " + read.message);
            return false;
        }
        if (read.status != CaseFileReadResult::Status::Loaded) {
            fail(read.message);
            return false;
        }
        if (!read.unknownWords.empty()) {
            fail(*options.casePath + ": " + read.unknownWords.front().problem());
            return false;
        }
        if (options.metric && record.units == UnitSystem::English) {
            warn("--metric is overridden: " + *options.casePath + " sets English units");
        }
    }
    if (options.transverseSpacing) {
        record.d = *options.transverseSpacing;
    }
    record.tiedShoulder = options.tiedShoulder.value_or(false);
    record.widenedLane = options.widenedLane.value_or(false);
    return true;
}

bool acceptCase(const AnalysisCase& record) {
    const CaseCheck check = checkCaseFields(record);
    if (!check.refusal.empty()) {
        fail(check.refusal);
        return false;
    }
    for (const std::string& warning : check.warnings) {
        warn(warning);
    }
    return true;
}

} // namespace korvanex::cli
