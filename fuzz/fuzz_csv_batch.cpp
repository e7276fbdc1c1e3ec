// SPDX-License-Identifier: Apache-2.0
// The batch runner on any input: it stops with a message on input that is not a batch CSV, and
// otherwise writes one result record per data record, each echoing the record's cells, with a status
// and either finite numbers or empty result cells.

#include "case/case_words.h"
#include "case/field_value.h"
#include "formats/batch_lines.h"
#include "fuzz_property.h"
#include "io/csv_reader.h"
#include "studies/batch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex::fuzz {
namespace {

// The result columns: the radius, the eleven ratios and the thirteen values of the composition,
// then the nine of the edge model.
constexpr std::size_t ComposedResults = 25;
constexpr std::size_t EdgeModelResults = 9;
constexpr std::size_t ResultCells = ComposedResults + EdgeModelResults;

// The status and the warnings stand between the input cells and the results.
constexpr std::size_t StatusCells = 2;

// A plate column adds the plate model's seven numbers after the results.
constexpr std::size_t PlateCells = 7;

// An output record echoes a whole input record and may quote it again in its status.
constexpr std::size_t MaxOutputRecordBytes = 4 * MaxCsvRecordBytes;

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool isFiniteNumber(std::string_view cell) {
    const NumberPrefix prefix = findNumberPrefix(cell);
    return prefix.start == 0 && prefix.length == cell.size() && cell.size() > 0 &&
           std::isfinite(numericPrefix(cell));
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isPlateColumn(std::string_view name) {
    return equalsIgnoringCase(trimmed(name), "plate");
}

// Whether every header cell names a column (a case column or the plate column), blanks around the
// name aside, and none twice.
bool knownColumns(const std::vector<std::string>& header) {
    std::vector<const CaseColumn*> seen;
    for (const std::string& name : header) {
        const CaseColumn* column = isPlateColumn(name) ? nullptr : findCaseColumn(trimmed(name));
        const bool unknown = column == nullptr && !isPlateColumn(name);
        if (unknown || std::find(seen.begin(), seen.end(), column) != seen.end()) {
            return false;
        }
        seen.push_back(column);
    }
    return true;
}

void checkPlateCells(const std::vector<std::string>& row, std::size_t first) {
    const auto filled = std::count_if(row.begin() + static_cast<std::ptrdiff_t>(first), row.end(),
                                      [](const std::string& cell) { return !cell.empty(); });
    require(filled == 0 || filled == static_cast<std::ptrdiff_t>(PlateCells),
            "the plate model's cells are all written or all empty");
}

void checkResultCells(const std::vector<std::string>& row, std::size_t first, bool computed) {
    std::size_t filledEdgeCells = 0;
    for (std::size_t index = 0; index < ResultCells; ++index) {
        const std::string& cell = row[first + index];
        if (!computed) {
            require(cell.empty(), "a row that was not computed has empty result cells");
        } else if (index < ComposedResults) {
            require(isFiniteNumber(cell), "a computed row has a finite number in every result cell");
        } else if (!cell.empty()) {
            require(isFiniteNumber(cell), "an edge model cell holds a finite number or nothing");
            ++filledEdgeCells;
        }
    }
    require(filledEdgeCells == 0 || filledEdgeCells == EdgeModelResults,
            "the edge model's cells are all written or all empty");
}

void checkBatch(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    std::ostringstream out;
    const std::string error = runBatch(in, out, BatchLines());
    const std::string written = out.str();

    // The input as the batch reads it, record by record.
    std::istringstream again{std::string(bytes)};
    CsvReader input(again);
    std::vector<std::string> header;
    if (input.read(header) != CsvReader::Status::Record) {
        require(!error.empty() && written.empty(), "input without a header row stops with a message");
        return;
    }
    if (!knownColumns(header)) {
        require(!error.empty() && written.empty(), "a header with an unknown or repeated column stops");
        return;
    }

    std::istringstream result(written);
    CsvReader output(result, MaxOutputRecordBytes);
    std::vector<std::string> outputRow;
    require(output.read(outputRow) == CsvReader::Status::Record, "the result starts with its header");
    const std::size_t width = header.size();
    const std::size_t plateCells = std::any_of(header.begin(), header.end(), isPlateColumn) ? PlateCells : 0;
    require(outputRow.size() == width + StatusCells + ResultCells + plateCells,
            "the result header has every column");
    require(std::equal(header.begin(), header.end(), outputRow.begin()),
            "the result header echoes the input");
    require(outputRow[width] == "status" && outputRow[width + 1] == "warnings",
            "the status and warnings columns follow the input columns");

    std::vector<std::string> row;
    for (;;) {
        const CsvReader::Status status = input.read(row);
        if (status != CsvReader::Status::Record) {
            require(error.empty() == (status == CsvReader::Status::End),
                    "the batch stops with a message exactly when the input is not CSV");
            require(output.read(outputRow) == CsvReader::Status::End, "one result record per data record");
            return;
        }
        require(output.read(outputRow) == CsvReader::Status::Record, "one result record per data record");
        require(outputRow.size() == width + StatusCells + ResultCells + plateCells,
                "every result record has every column");
        const bool rightWidth = row.size() == width;
        row.resize(width);
        require(std::equal(row.begin(), row.end(), outputRow.begin()), "a result record echoes its input");
        const std::string& rowStatus = outputRow[width];
        const bool computed = rowStatus == "ok";
        require(computed || startsWith(rowStatus, "fault: ") || startsWith(rowStatus, "error: "),
                "every record has a status");
        require(rightWidth || startsWith(rowStatus, "error: "), "a record of the wrong width is an error");
        checkResultCells(outputRow, width + StatusCells, computed);
        checkPlateCells(outputRow, width + StatusCells + ResultCells);
    }
}

} // namespace
} // namespace korvanex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvanex::fuzz::checkBatch(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
