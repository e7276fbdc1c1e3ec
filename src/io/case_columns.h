// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// An input column of a batch file: one option of the case or one numeric field under its record name.
struct CaseColumn {
    enum class Kind { Units, Location, Gear, Layer, Tied, Widened, Number };
    std::string_view name;
    Kind kind;
    Field field; // for Number only
};

// The text without the blanks and tabs around it, as a cell or a header name is compared.
std::string_view trimmed(std::string_view text);

// Every input column: the options, then the numeric fields that the dialogs show (mu2 and r2 are
// never shown, so they keep their defaults).
std::span<const CaseColumn> caseColumns();

// The column of a header name, compared without regard to case; nullptr when there is none.
const CaseColumn* findCaseColumn(std::string_view name);

// The columns of a header row, by their position: the case column of each name (compared without
// regard to case or the blanks around it), or nullptr for one of `extraNames`, the columns that the
// caller reads itself. Returns an empty string, or the problem: an unknown or a repeated column.
std::string readCaseHeader(std::span<const std::string> names, std::span<const std::string_view> extraNames,
                           std::vector<const CaseColumn*>& columns);

// The unit system of a row: the word of its units cell in any case, English when there is no units
// column or the cell is empty or blank. Returns an empty string, or the problem: an unknown word.
std::string readRowUnits(std::span<const CaseColumn* const> columns, std::span<const std::string> cells,
                         UnitSystem& units);

// Sets the cells of a row that are not empty or blank on the record: an option by its word in any
// case, a numeric field's text as it is. Units cells and the caller's own columns (nullptr) are left
// alone. Returns an empty string, or what is wrong with the row, e.g. an unknown gear.
std::string applyCaseCells(std::span<const CaseColumn* const> columns, std::span<const std::string> cells,
                           AnalysisCase& record);

// What is wrong with a row of `cells` cells under a header of `columns` columns: "3 cells where the
// header has 4", or an empty string when the numbers agree.
std::string rowWidthProblem(std::size_t cells, std::size_t columns);

// The words an option column's cells take, as a batch file writes them ("interior", "edge", "corner");
// none for a numeric column.
std::vector<std::string_view> optionCellWords(CaseColumn::Kind kind);

// The cell that describes one column of a case, in the words a batch file uses ("metric", "edge",
// "dual-tandem", "bonded", "yes"), or the field text as it stands.
std::string_view caseCellText(const AnalysisCase& record, const CaseColumn& column);

} // namespace korvanex
