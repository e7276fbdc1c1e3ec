// SPDX-License-Identifier: Apache-2.0
#include "io/csv_cell.h"

#include <algorithm>

namespace korvanex {

namespace {

bool needsQuotes(char c) {
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

} // namespace

void appendCsvCell(std::string& line, std::string_view cell) {
    if (std::none_of(cell.begin(), cell.end(), needsQuotes)) {
        line.append(cell);
        return;
    }
    line.push_back('"');
    for (char c : cell) {
        if (c == '"') {
            line.push_back('"');
        }
        line.push_back(c);
    }
    line.push_back('"');
}

} // namespace korvanex
