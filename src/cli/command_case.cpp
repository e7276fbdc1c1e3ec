// SPDX-License-Identifier: Apache-2.0
#include "cli/command_case.h"

#include "case/case_check.h"
#include "cli/command_output.h"
#include "formats/design_file.h"
#include "io/case_file.h"

namespace korvanex::cli {

namespace {

bool loadCase(const CliOptions& options, AnalysisCase& record) {
    record = AnalysisCase::defaults(options.metric ? UnitSystem::Metric : UnitSystem::English);
    if (!options.casePath) {
        return true;
    }
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
    return true;
}

} // namespace

bool loadDesign(const CliOptions& options, Design& design) {
    design = Design{};
    if (options.designPath) {
        if (std::string error = readDesignFile(*options.designPath, design); !error.empty()) {
            fail(error);
            return false;
        }
    } else if (!loadCase(options, design.record)) {
        return false;
    }
    AnalysisCase& record = design.record;
    if (options.transverseSpacing) {
        record.d = *options.transverseSpacing;
    }
    record.tiedShoulder = options.tiedShoulder.value_or(record.tiedShoulder);
    record.widenedLane = options.widenedLane.value_or(record.widenedLane);
    return true;
}

bool saveDesign(const CliOptions& options, const Design& design) {
    if (!options.saveDesignPath) {
        return true;
    }
    if (std::string error = writeDesignFile(*options.saveDesignPath, design); !error.empty()) {
        fail(error);
        return false;
    }
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
