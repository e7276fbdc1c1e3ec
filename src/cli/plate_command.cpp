// SPDX-License-Identifier: Apache-2.0
#include "cli/plate_command.h"

#include "cli/command_case.h"
#include "cli/command_output.h"
#include "formats/plate_contour_svg.h"
#include "formats/plate_text.h"
#include "studies/plate_comparison.h"

namespace korvanex::cli {

namespace {

// The plate's options in computation units.
PlateOptions plateOptions(const PlateArguments& arguments, const AnalysisCase& record) {
    PlateOptions options;
    options.mesh = arguments.mesh;
    options.load = arguments.load;
    if (arguments.shoulderWidth) {
        options.shoulderWidth = shoulderWidthOf(record, *arguments.shoulderWidth);
    }
    return options;
}

} // namespace

int plateCommand(const CliOptions& options) {
    Design design;
    if (!loadDesign(options, design) || !acceptCase(design.record)) {
        return ExitFailure;
    }
    const AnalysisCase& record = design.record;
    if (options.plate.shoulderWidth && !record.tiedShoulder) {
        warn("--shoulder-width applies to a tied shoulder only (--tied-shoulder yes)");
    }
    PlateComparison comparison;
    try {
        comparison = comparePlate(record, plateOptions(options.plate, record));
    } catch (const FloatingPointFault& fault) {
        return failOnFault(fault);
    }
    if (options.plate.svgPath) {
        const std::string svg = plateContourSvg(record, comparison.model, comparison.plate,
                                                PlateState::Combined, comparison.options.mesh);
        if (const int status = writeOutputFile(*options.plate.svgPath, svg); status != ExitSuccess) {
            return status;
        }
    }
    return writeCommandOutput(options, options.json ? plateComparisonJson(comparison)
                                                    : joinedLines(plateComparisonText(record, comparison)));
}

} // namespace korvanex::cli
