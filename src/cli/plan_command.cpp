#include "cli/plan_command.h"

#include "io/file_access.h"
#include "io/slab_plan_svg.h"

#include <iostream>

namespace korvanex::cli {

std::string writePlan(const CliOptions& options, const AnalysisCase& record) {
    const std::string svg = slabPlanSvg(record);
    if (options.outputPath) {
        return writeFileAtomically(*options.outputPath, svg);
    }
    std::cout << svg;
    return std::cout ? std::string() : std::string("standard output cannot be written");
}

} // namespace korvanex::cli
