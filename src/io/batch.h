#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

#include <iosfwd>
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

// Sets the cells of a row that are not empty or blank on the record: an option by its word in any
// case, a numeric field's text as it is. Units cells and the caller's own columns (nullptr) are left
// alone. Returns an empty string, or what is wrong with the row, e.g. an unknown gear.
std::string applyCaseCells(std::span<const CaseColumn* const> columns, std::span<const std::string> cells,
                           AnalysisCase& record);

// Appends one CSV cell, in double quotes (doubled inside) only when it holds a comma, a double quote
// or a line break.
void appendCsvCell(std::string& line, std::string_view cell);

// The cell that describes one column of a case, in the words a batch file uses ("metric", "edge",
// "dual-tandem", "bonded", "yes"), or the field text as it stands.
std::string_view caseCellText(const AnalysisCase& record, const CaseColumn& column);

// Writes the result CSV row by row: the input cells as given, the status, then the results in the
// row's own units as the report shows them (stresses in psi or kPa, the radius in inches or cm,
// factors and ratios as they are) with 9 significant digits. Lines end in LF; a cell is quoted only
// when it holds a comma, a double quote or a line break.
class BatchWriter {
  public:
    explicit BatchWriter(std::ostream& out) : out_(out) {}

    // The input column names, then "status", "warnings" and the result columns.
    void header(std::span<const std::string> inputNames);

    // Checks the case as the dialogs would (checkCaseFields): a refused field makes an error row with
    // the refusal. Otherwise computes the case from a fresh results record and writes its row: "ok"
    // and the results, or "fault: " and the routine that stopped on a floating-point fault with every
    // result cell empty; the warnings cell holds the range texts of the fields outside their typical
    // range, joined by "; ". The edge model's cells stay empty where that model does not run.
    void computedRow(std::span<const std::string> inputCells, const AnalysisCase& record);

    // A row that could not be computed: "error: " and what is wrong, every result cell empty.
    void errorRow(std::span<const std::string> inputCells, std::string_view what);

  private:
    void beginRow(std::span<const std::string> inputCells, std::string_view status,
                  std::string_view warnings);
    void emptyResults();
    void endRow();

    std::ostream& out_;
    std::string line_;
    AnalysisResults results_;
};

// Computes every row of a batch CSV (a header row naming the columns, in any order) and writes the
// result CSV as it goes, so that memory does not grow with the number of rows. Each row starts from
// the defaults of its unit system (English when the units cell is missing or empty); a cell that is
// not empty or blank replaces the option (its word in any case) or the field text, as it is. A row with an
// unknown option value, the wrong number of cells or a field that the dialogs would refuse becomes an
// error row and the others go on. Returns an
// empty string when the whole input was read; otherwise the problem that stops the batch: input that is not
// CSV, no header row, or a header with an unknown or repeated column. A failed output stream stops the
// batch early; its writer tells why.
std::string runBatch(std::istream& in, std::ostream& out);

} // namespace korvanex
