#include "io/csv_cell.h"

namespace korvanex {

void appendCsvCell(std::string& line, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
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
