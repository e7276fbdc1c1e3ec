#pragma once

#include <ostream>

namespace korvanex::cli {

// `korvanex-cli verify`: computes the built-in worked examples and prints the table of published and
// computed values. Returns the exit status: 0 when every example agrees within its tolerance, 1 otherwise.
int verifyCommand(std::ostream& out);

} // namespace korvanex::cli
