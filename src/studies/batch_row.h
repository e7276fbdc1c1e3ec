// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"
#include "engine/analysis_results.h"
#include "io/case_columns.h"
#include "plate/plate_model.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// The column of a batch file beside the case's own: "plate", whose "yes" (in any case) asks for the
// plate model as well.
inline constexpr std::string_view BatchExtraColumns[] = {"plate"};

// The case of each row of a batch, built from the row's cells by the columns of its header (nullptr
// for the plate column).
class BatchRowCases {
  public:
    explicit BatchRowCases(std::vector<const CaseColumn*> columns);

    // The case of one row: the defaults of its unit system (English when the units cell is missing or
    // empty), then every cell that is not empty or blank, with the field texts read once into
    // `numbers`, and whether the row asks for the plate model. A row with the wrong number of cells is
    // cut or filled with empty cells to the header's width, so that its echo keeps the header's
    // columns. Returns an empty string, or what is wrong with the row: the number of its cells, or an
    // unknown option word.
    std::string build(std::vector<std::string>& cells, AnalysisCase& record, FieldNumbers& numbers,
                      bool& withPlate) const;

    bool hasPlateColumn() const { return platePosition_.has_value(); }

  private:
    std::vector<const CaseColumn*> columns_;
    std::optional<std::size_t> platePosition_;
    AnalysisCase english_;
    AnalysisCase metric_;
    FieldNumbers englishNumbers_;
    FieldNumbers metricNumbers_;
};

// What one row of a batch, or one point of a sweep, comes to.
struct RowOutcome {
    enum class Status { Ok, Fault, Error };
    Status status = Status::Ok;
    std::string what;                  // Fault: the routine that stopped; Error: what is wrong
    std::vector<std::string> warnings; // the range texts of the fields outside their typical range
    UnitSystem units = UnitSystem::English;
    bool edgeModelRan = false;
    AnalysisResults results;           // Ok: computed from a fresh record
    std::optional<PlateResults> plate; // Ok, where the row asks for the plate model: its results
    bool plateColumns = false;         // the rows have the plate model's columns

    // The row could not be computed: what is wrong, without warnings or results.
    void fail(std::string problem);
};

// Checks the case as the dialogs would (checkCaseFields): a refused field fails the row with the
// refusal. Otherwise computes the case from a fresh results record, and with the plate model on its
// default mesh where asked: Ok, or Fault with the routine that stopped on a floating-point fault.
// `numbers` are the case's field texts as read (readFieldNumbers).
void computeRow(const AnalysisCase& record, const FieldNumbers& numbers, RowOutcome& outcome,
                bool withPlate = false);

// What a batch or a sweep writes, given from the layer above: the header from the input column
// names (and the plate model's columns where a batch has a plate column), then each row from its place
// among the rows (from 0), its input cells and its outcome, appended to a text or kept where the writer
// keeps rows. The workers of a batch write rows at the same time, so a writer keeps no state of its own
// and touches only its row's place.
class RowWriter {
  public:
    virtual ~RowWriter() = default;
    virtual void header(std::string& text, std::span<const std::string> inputNames,
                        bool plateColumns) const = 0;
    virtual void row(std::string& text, std::size_t place, std::span<const std::string> inputCells,
                     const RowOutcome& outcome) const = 0;
};

} // namespace korvanex
