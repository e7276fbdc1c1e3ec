#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"
#include "engine/analysis_results.h"

#include <span>
#include <string>
#include <string_view>

namespace korvanex {

// The lines of a result CSV, appended to a text: the input cells as given, the status, the warnings,
// then the results in the row's own units as the report shows them (stresses in psi or kPa, the
// radius in inches or cm, factors and ratios as they are). Each result is the shortest text that
// reads back as its value: a stress converted to kPa is rounded to single precision as every stored
// result is, and the radius, kept in double precision, is written as the double. Lines end in LF; a
// cell is quoted only when it holds a comma, a double quote or a line break.
class BatchLines {
  public:
    // The input column names, then "status", "warnings" and the result columns.
    static void header(std::string& text, std::span<const std::string> inputNames);

    // Checks the case as the dialogs would (checkCaseFields): a refused field makes an error row with
    // the refusal. Otherwise computes the case from a fresh results record and writes its row: "ok"
    // and the results, or "fault: " and the routine that stopped on a floating-point fault with every
    // result cell empty; the warnings cell holds the range texts of the fields outside their typical
    // range, joined by "; ". The edge model's cells stay empty where that model does not run.
    // `numbers` are the case's field texts as read (readFieldNumbers).
    void computed(std::string& text, std::span<const std::string> inputCells, const AnalysisCase& record,
                  const FieldNumbers& numbers);

    // A row that could not be computed: "error: " and what is wrong, every result cell empty.
    static void error(std::string& text, std::span<const std::string> inputCells, std::string_view what);

  private:
    AnalysisResults results_;
    std::string warnings_;
};

} // namespace korvanex
