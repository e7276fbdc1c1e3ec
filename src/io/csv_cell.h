// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace korvanex {

// Appends one CSV cell, in double quotes (doubled inside) only when it holds a comma, a double quote
// or a line break. Every CSV the program writes quotes its cells through this.
void appendCsvCell(std::string& line, std::string_view cell);

} // namespace korvanex
