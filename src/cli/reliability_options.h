// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"
#include "studies/scatter.h"

#include <string>
#include <string_view>

namespace korvanex::cli {

// Reads NAME=COV[:DISTRIBUTION] into the settings: NAME an input's word (ScatterInputWords, as written
// there), COV a number from 0 to 2, DISTRIBUTION lognormal or normal (lognormal when not given).
// Returns an empty string on success, otherwise what is wrong with the text.
std::string parseScatter(std::string_view text, ReliabilitySettings& settings);

// The reliability settings of the design with the reliability options over them: each --scatter
// replaces its input's scatter (an input given twice is refused), --samples, --seed and --reliability
// their settings. Returns the first problem, or an empty string.
std::string readReliabilitySettings(const ReliabilityArguments& arguments, ReliabilitySettings& settings);

} // namespace korvanex::cli
