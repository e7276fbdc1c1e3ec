// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"
#include "studies/design.h"

#include <functional>

namespace korvanex::cli {

// Reads what a command of the fatigue options needs into the design: its settings over those of the
// design (`readMore` reads the settings of the command's own options, if any), the case, the spectrum
// and the traffic, and writes the design file when asked; then builds the spectrum, warning of its
// groups' values outside their typical range. Returns ExitSuccess, or the exit status after the message.
using DesignReader = std::function<std::string(const CliOptions& options, Design& design)>;
int loadFatigueDesign(const CliOptions& options, Design& design, TrafficSpectrum& spectrum,
                      const DesignReader& readMore = {});

// korvanex-cli fatigue: the damage of the spectrum on the case, as a text table, CSV or JSON, with the
// required slab thickness when asked. Returns the exit status.
int fatigueCommand(const CliOptions& options);

} // namespace korvanex::cli
