// SPDX-License-Identifier: Apache-2.0
#include "cli/reliability_command.h"

#include "cli/command_output.h"
#include "cli/fatigue_command.h"
#include "cli/reliability_options.h"
#include "formats/damage_histogram_svg.h"
#include "formats/reliability_output.h"
#include "io/file_access.h"
#include "studies/batch.h"

namespace korvanex::cli {

namespace {

// The design's reliability settings with the options over them; a reliability study always has them.
std::string readReliabilityDesign(const CliOptions& options, Design& design) {
    ReliabilitySettings settings = design.reliability.value_or(ReliabilitySettings{});
    if (std::string error = readReliabilitySettings(options.reliability, settings); !error.empty()) {
        return error;
    }
    design.reliability = settings;
    return {};
}

bool writeHistogram(const CliOptions& options, const FatigueSettings& fatigue,
                    const ReliabilityStudy& study) {
    if (!options.reliability.histogramPath) {
        return true;
    }
    const std::string error = writeFileAtomically(*options.reliability.histogramPath,
                                                  damageHistogramSvg(study.damage, fatigue.targetPercent));
    if (!error.empty()) {
        fail(error);
    }
    return error.empty();
}

int writeStudy(const CliOptions& options, const TrafficSpectrum& spectrum, const Design& design,
               const ReliabilityStudy& study) {
    const FatigueSettings& fatigue = *design.fatigue;
    const ReliabilitySettings& reliability = *design.reliability;
    if (options.fatigue.csv) {
        return writeCommandOutput(options, [&](std::ostream& out) {
            writeReliabilityCsv(out, fatigue, reliability, study.damage);
            return std::string();
        });
    }
    return writeCommandOutput(options, options.json
                                           ? reliabilityJson(spectrum, fatigue, reliability, study)
                                           : reliabilityTable(spectrum, fatigue, reliability, study));
}

} // namespace

int reliabilityCommand(const CliOptions& options) {
    Design design;
    TrafficSpectrum spectrum;
    if (const int status = loadFatigueDesign(options, design, spectrum, readReliabilityDesign);
        status != ExitSuccess) {
        return status;
    }
    if (std::string error = spectrumError(spectrum, *design.fatigue); !error.empty()) {
        return fail("no sample can be computed: " + error);
    }
    const StudyControl control{options.jobs.value_or(machineCores()), {}, nullptr};
    const std::optional<ReliabilityStudy> study =
        runReliabilityStudy(spectrum, *design.fatigue, *design.reliability, control);
    if (!writeHistogram(options, *design.fatigue, *study)) {
        return ExitFailure;
    }
    return writeStudy(options, spectrum, design, *study);
}

} // namespace korvanex::cli
