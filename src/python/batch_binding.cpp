// SPDX-License-Identifier: Apache-2.0
// The batch: the core's batch runner over the rows of a table, on all cores with the GIL released.
#include "python/bindings.h"

#include "formats/batch_lines.h"
#include "python/errors.h"
#include "python/result_value.h"
#include "python/study_inputs.h"
#include "python/table.h"
#include "studies/batch.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <limits>
#include <optional>
#include <streambuf>
#include <unordered_map>

namespace py = pybind11;

namespace korvanex::python {

namespace {

// The rows of a table, in order.
class TableRows final : public RowReader {
  public:
    explicit TableRows(const Table& table) : table_(table) {}

    bool read(std::vector<std::string>& cells, std::string&) override {
        if (next_ == table_.rows) {
            return false;
        }
        table_.row(next_++, cells);
        return true;
    }

  private:
    const Table& table_;
    std::size_t next_ = 0;
};

constexpr double EmptyCell = std::numeric_limits<double>::quiet_NaN();

// Where the rows go: each row's status and warnings texts, and its results in a column-major array
// of one column per result, NaN where the tool's cell stays empty; where the table has a plate column,
// the plate model's numbers and faces too. The workers fill their rows' places at the same time.
class RowColumns final : public RowWriter {
  public:
    RowColumns(std::size_t rows, double* results)
        : rows_(rows), statuses_(rows), warnings_(rows), results_(results) {}

    // Called once, before any row.
    void header(std::string&, std::span<const std::string>, bool plateColumns) const override {
        if (plateColumns) {
            plateNames_ = plateColumnNames();
            plateNumbers_.assign(rows_ * plateNames_.size(), EmptyCell);
            plateFaces_.resize(rows_);
        }
    }

    void row(std::string&, std::size_t place, std::span<const std::string>,
             const RowOutcome& outcome) const override {
        statuses_[place] = rowStatusText(outcome);
        warnings_[place] = rowWarningsText(outcome);
        double* cell = results_ + place;
        for (const ResultField* field : rowResultFields()) {
            const std::optional<double> value = rowResultValue(outcome, *field);
            *cell = value ? pythonResult(*value, *field) : EmptyCell;
            cell += rows_;
        }
        const std::vector<PlateFigure> figures = rowPlateFigures(outcome);
        for (std::size_t column = 0; column < figures.size(); ++column) {
            const PlateFigure& figure = figures[column];
            if (figure.unit == PlateUnit::Face) {
                plateFaces_[place] = figure.face;
            } else {
                plateNumbers_[column * rows_ + place] = figure.unit == PlateUnit::Load
                                                            ? figure.value
                                                            : pythonFloat(static_cast<float>(figure.value));
            }
        }
    }

    // The texts as Python strings, one object for each distinct text.
    py::list statuses() const { return strings(statuses_); }
    py::list warnings() const { return strings(warnings_); }

    // The plate model's columns by name, in order: floats, or the face's word ("" where empty); none
    // where the table has no plate column.
    py::list plateColumns() const {
        py::list columns;
        const std::vector<PlateFigure> kinds = plateFigures(PlateResults{});
        for (std::size_t column = 0; column < plateNames_.size(); ++column) {
            const py::object values = kinds[column].unit == PlateUnit::Face
                                          ? py::object(strings(plateFaces_))
                                          : py::object(py::array_t<double>(static_cast<py::ssize_t>(rows_),
                                                                           &plateNumbers_[column * rows_]));
            columns.append(py::make_tuple(plateNames_[column], values));
        }
        return columns;
    }

  private:
    static py::list strings(const std::vector<std::string>& texts) {
        std::unordered_map<std::string_view, py::str> made;
        py::list list(texts.size());
        for (std::size_t index = 0; index < texts.size(); ++index) {
            auto [known, added] = made.try_emplace(texts[index]);
            if (added) {
                known->second = py::str(texts[index]);
            }
            list[index] = known->second;
        }
        return list;
    }

    std::size_t rows_;
    mutable std::vector<std::string> statuses_;
    mutable std::vector<std::string> warnings_;
    double* results_;
    mutable std::vector<std::string> plateNames_;
    mutable std::vector<double> plateNumbers_; // column-major, one column per plate name
    mutable std::vector<std::string> plateFaces_;
};

// The batch writes nothing as text: an output that takes the empty blocks.
class NoText final : public std::streambuf {};

py::tuple batch(const std::vector<std::string>& names, py::list columns, std::size_t rows, py::object jobs) {
    const unsigned threads = jobsOf(jobs);
    const Table table(names, columns, rows);
    const std::span<const ResultField* const> fields = rowResultFields();
    py::array_t<double, py::array::f_style> results(
        {static_cast<py::ssize_t>(rows), static_cast<py::ssize_t>(fields.size())});
    RowColumns written(rows, results.mutable_data());
    std::string error;
    {
        py::gil_scoped_release release;
        TableRows reader(table);
        NoText noText;
        std::ostream out(&noText);
        error = runBatch(table.names, reader, out, written, threads);
    }
    if (!error.empty()) {
        throw InputProblem(error);
    }
    py::list resultNames;
    for (const ResultField* field : fields) {
        resultNames.append(py::str(field->name.data(), field->name.size()));
    }
    return py::make_tuple(written.statuses(), written.warnings(), resultNames, results,
                          written.plateColumns());
}

} // namespace

void bindBatch(py::module_& module) {
    module.def("batch", &batch, py::arg("names"), py::arg("columns"), py::arg("rows"), py::arg("jobs"),
               "The statuses, warnings, result names, results and plate columns of every row of a table; see "
               "korvanex.batch.");
}

} // namespace korvanex::python
