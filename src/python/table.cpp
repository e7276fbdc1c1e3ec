// SPDX-License-Identifier: Apache-2.0
#include "python/table.h"

#include "case/case_check.h"
#include "case/case_words.h"
#include "case/number_text.h"
#include "io/case_columns.h"
#include "python/errors.h"
#include "studies/batch_row.h"

#include <cmath>
#include <unordered_map>

namespace py = pybind11;

namespace korvanex::python {

namespace {

// A number's cell: empty for NaN, pandas' mark of a missing value.
void appendNumberCell(std::string& text, double value) {
    if (!std::isnan(value)) {
        appendDoubleText(text, value);
    }
}

template <typename T> py::array_t<T, py::array::c_style | py::array::forcecast> arrayOf(py::handle values) {
    auto array = py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(values);
    if (!array) {
        throw py::error_already_set();
    }
    return array;
}

bool isBool(py::handle value) {
    static PyObject* const numpyBool = py::object(py::module_::import("numpy").attr("bool_")).release().ptr();
    return PyBool_Check(value.ptr()) || PyObject_IsInstance(value.ptr(), numpyBool) == 1;
}

} // namespace

std::string cellText(py::handle value) {
    if (value.is_none()) {
        return {};
    }
    if (isBool(value)) {
        return std::string(wordOf(YesNoCellWords, PyObject_IsTrue(value.ptr()) == 1));
    }
    if (PyUnicode_Check(value.ptr())) {
        return value.cast<std::string>();
    }
    if (PyFloat_Check(value.ptr())) {
        std::string text;
        appendNumberCell(text, PyFloat_AsDouble(value.ptr()));
        return text;
    }
    if (PyIndex_Check(value.ptr())) {
        return py::str(py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr())));
    }
    return py::str(value);
}

TableColumn::TableColumn(py::handle column) {
    const py::array array = py::array::ensure(column, py::array::c_style);
    if (!array) {
        throw py::error_already_set();
    }
    size_ = static_cast<std::size_t>(array.size());
    if (array.dtype().kind() != 'O') {
        auto numbers = arrayOf<double>(array);
        numbers_ = numbers.data();
        numbersArray_ = std::move(numbers);
        return;
    }
    // Each distinct object once: a table that pandas read shares one object among the cells of a text.
    PyObject* const* const objects = static_cast<PyObject* const*>(array.data());
    std::unordered_map<PyObject*, std::uint32_t> known;
    codes_.resize(size_);
    PyObject* last = nullptr;
    std::uint32_t lastCode = 0;
    for (std::size_t row = 0; row < size_; ++row) {
        if (objects[row] != last) {
            last = objects[row];
            const auto [entry, added] = known.try_emplace(last, static_cast<std::uint32_t>(texts_.size()));
            if (added) {
                texts_.push_back(cellText(last));
            }
            lastCode = entry->second;
        }
        codes_[row] = lastCode;
    }
}

void TableColumn::cell(std::size_t row, std::string& text) const {
    text.clear();
    if (numbers_ != nullptr) {
        appendNumberCell(text, numbers_[row]);
        return;
    }
    text = texts_[codes_[row]];
}

Table::Table(const std::vector<std::string>& names, py::list columns, std::size_t rows)
    : names(names), rows(rows) {
    for (py::handle column : columns) {
        const TableColumn& added = this->columns.emplace_back(column);
        if (added.size() != rows) {
            throw InputProblem("a column has " + std::to_string(added.size()) +
                               " cells where the table has " + std::to_string(rows) + " rows");
        }
    }
}

void Table::row(std::size_t index, std::vector<std::string>& cells) const {
    cells.resize(columns.size());
    for (std::size_t column = 0; column < columns.size(); ++column) {
        columns[column].cell(index, cells[column]);
    }
}

AnalysisCase caseOf(py::handle fields, FieldNumbers& numbers) {
    std::vector<std::string> names;
    std::vector<std::string> cells;
    for (const auto& [name, value] : py::dict(py::reinterpret_borrow<py::object>(fields))) {
        names.push_back(py::str(name));
        cells.push_back(cellText(value));
    }
    std::vector<const CaseColumn*> columns;
    if (std::string error = readCaseHeader(names, {}, columns); !error.empty()) {
        throw InputProblem(error);
    }
    AnalysisCase record;
    bool withPlate = false; // a case has no plate column
    if (std::string error = BatchRowCases(std::move(columns)).build(cells, record, numbers, withPlate);
        !error.empty()) {
        throw InputProblem(error);
    }
    return record;
}

AnalysisCase checkedCaseOf(py::handle fields, FieldNumbers& numbers) {
    AnalysisCase record = caseOf(fields, numbers);
    const CaseCheck check = checkCaseFields(record, numbers);
    if (!check.refusal.empty()) {
        throw InputProblem(check.refusal);
    }
    warnOfRanges(check.warnings);
    return record;
}

} // namespace korvanex::python
