// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvanex::python {

// The cell text that a Python value stands for, as a cell of a batch file would hold it: "" for None
// and NaN (the default), "yes" or "no" for a bool, a text as it is, a whole number in decimals, any
// other number as the shortest text that reads back as its double, anything else as str() gives it.
std::string cellText(pybind11::handle value);

// A column of a table as the package hands it over (korvanex/_table.py): numbers, a float64 array
// with NaN for an empty cell, or any values, an object array. Made with the GIL held, which reads each
// distinct value of an object array once; read without it.
class TableColumn {
  public:
    explicit TableColumn(pybind11::handle column);

    std::size_t size() const { return size_; }

    // The cell's text, as cellText gives it for the value.
    void cell(std::size_t row, std::string& text) const;

  private:
    pybind11::object numbersArray_; // keeps the numbers
    const double* numbers_ = nullptr;
    std::vector<std::uint32_t> codes_; // values: the place of each cell's text in texts_
    std::vector<std::string> texts_;
    std::size_t size_ = 0;
};

// A table: the column names as given and the columns, all of `rows` cells.
struct Table {
    std::vector<std::string> names;
    std::vector<TableColumn> columns;
    std::size_t rows = 0;

    Table(const std::vector<std::string>& names, pybind11::list columns, std::size_t rows);

    // The cells of one row.
    void row(std::size_t index, std::vector<std::string>& cells) const;
};

// The case that a mapping of batch columns to values describes, as a batch row would: the defaults of
// its units, then every value that is not empty. `numbers` are its field texts as read. Raises
// InputError on an unknown or repeated column or an unknown option word.
AnalysisCase caseOf(pybind11::handle fields, FieldNumbers& numbers);

// The same case checked as the command-line tool checks a case before computing it: InputError with the
// refusal of a field, a RangeWarning for each value outside its typical range.
AnalysisCase checkedCaseOf(pybind11::handle fields, FieldNumbers& numbers);

} // namespace korvanex::python
