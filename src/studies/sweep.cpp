// SPDX-License-Identifier: Apache-2.0
#include "studies/sweep.h"

#include "case/field_value.h"
#include "case/number_text.h"
#include "io/case_columns.h"

#include <ostream>
#include <vector>

namespace korvanex {

namespace {

double pointValue(const SweepRange& range, int index) {
    if (index == 0 || range.points == 1) {
        return range.from;
    }
    if (index == range.points - 1) {
        return range.to;
    }
    return range.from + (range.to - range.from) * index / (range.points - 1);
}

} // namespace

std::string sweepPointText(const SweepRange& range, int index) {
    return fixedFloatText(static_cast<float>(pointValue(range, index)));
}

void runSweep(const AnalysisCase& base, const SweepRange& range, std::ostream& out, const RowWriter& writer) {
    const std::span<const CaseColumn> columns = caseColumns();
    std::vector<std::string> cells(columns.size());
    for (std::size_t index = 0; index < columns.size(); ++index) {
        cells[index] = columns[index].name;
    }
    std::string text;
    writer.header(text, cells, false);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));

    RowOutcome outcome;
    AnalysisCase record = base;
    FieldNumbers numbers = readFieldNumbers(record);
    const auto varied = static_cast<std::size_t>(range.field);
    for (int point = 0; point < range.points && !out.fail(); ++point) {
        record.text(range.field) = sweepPointText(range, point);
        numbers[varied] = readFieldNumber(record.text(range.field));
        for (std::size_t index = 0; index < columns.size(); ++index) {
            cells[index] = caseCellText(record, columns[index]);
        }
        computeRow(record, numbers, outcome);
        text.clear();
        writer.row(text, static_cast<std::size_t>(point), cells, outcome);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
}

} // namespace korvanex
