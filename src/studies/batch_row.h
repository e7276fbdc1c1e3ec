#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"
#include "io/case_columns.h"

#include <string>
#include <vector>

namespace korvanex {

// The case of each row of a batch, built from the row's cells by the columns of its header.
class BatchRowCases {
  public:
    explicit BatchRowCases(std::vector<const CaseColumn*> columns);

    // The case of one row: the defaults of its unit system (English when the units cell is missing or
    // empty), then every cell that is not empty or blank, with the field texts read once into
    // `numbers`. A row with the wrong number of cells is cut or filled with empty cells to the
    // header's width, so that its echo keeps the header's columns. Returns an empty string, or what is
    // wrong with the row: the number of its cells, or an unknown option word.
    std::string build(std::vector<std::string>& cells, AnalysisCase& record, FieldNumbers& numbers) const;

  private:
    std::vector<const CaseColumn*> columns_;
    AnalysisCase english_;
    AnalysisCase metric_;
    FieldNumbers englishNumbers_;
    FieldNumbers metricNumbers_;
};

} // namespace korvanex
