// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/verification.h"

#include <string>
#include <vector>

namespace korvanex {

// The checks as a Markdown table (quantity, case, published value, source, program value,
// difference, tolerance, result) followed by a blank line and a one-line summary.
std::vector<std::string> verificationTable(const std::vector<ExampleCheck>& checks);

} // namespace korvanex
