// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>

namespace korvanex::cli {

// The text of --help: the usage, the commands and the options of their tables, and the rules of the
// input, the output and the exit status.
std::string helpText();

} // namespace korvanex::cli
