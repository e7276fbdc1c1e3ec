// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "formats/json_text.h"
#include "studies/scatter.h"

namespace korvanex {

// The scattered inputs (a coefficient of variation above 0) as one JSON object, in the order of
// ScatterInputWords, each under its word: {"MR": {"cov": 0.1, "distribution": "normal"}}. The design
// file and the reliability JSON write it alike.
Json scatterJson(const ReliabilitySettings& settings);

} // namespace korvanex
