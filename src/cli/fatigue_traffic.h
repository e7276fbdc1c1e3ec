// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_options.h"
#include "studies/design.h"

namespace korvanex::cli {

// The spectrum and the truck traffic of fatigue: the spectrum file of --spectrum in place of the
// design's own spectrum (one of the two is there), and the design's traffic with the traffic options over it.
// The traffic goes with a spectrum of axle groups per 1,000 trucks: the design's is dropped for a spectrum of
// repetitions, where a traffic option is refused, and such a spectrum refuses to go without ADTT,
// growth and design life. False, with the message written, when the spectrum cannot be read or the
// traffic is refused.
bool readSpectrumAndTraffic(const CliOptions& options, Design& design);

} // namespace korvanex::cli
