// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"
#include "studies/scatter.h"

#include <string>
#include <string_view>

namespace korvanex::cli {

// The reliability settings of the design with the reliability options over them: each --scatter
// replaces its input's scatter (an input given twice is refused), --samples, --seed and --reliability
// their settings. Returns the first problem, or an empty string.
std::string readReliabilitySettings(const ReliabilityArguments& arguments, ReliabilitySettings& settings);

} // namespace korvanex::cli
