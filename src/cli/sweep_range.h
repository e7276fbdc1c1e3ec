// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/sweep.h"

#include <string>
#include <string_view>

namespace korvanex::cli {

// The most points one sweep computes: a safeguard against a mistyped count.
inline constexpr int MaxSweepPoints = 1000000;

// Reads FIELD=FROM:TO:STEPS: FIELD a numeric column name of a batch file (any case), FROM and TO
// numbers within single precision, STEPS the number of points from 1 to MaxSweepPoints. Returns an
// empty string on success, otherwise what is wrong with the text.
std::string parseSweepRange(std::string_view text, SweepRange& range);

} // namespace korvanex::cli
