// SPDX-License-Identifier: Apache-2.0
// One case: analyse, and the case file read and written.
#include "python/bindings.h"

#include "engine/analysis_driver.h"
#include "engine/compute_stresses.h"
#include "formats/batch_lines.h"
#include "io/case_columns.h"
#include "io/case_file.h"
#include "python/errors.h"
#include "python/result_value.h"
#include "python/study_inputs.h"
#include "python/table.h"

namespace py = pybind11;

namespace korvanex::python {

namespace {

py::dict analyse(py::dict fields) {
    FieldNumbers numbers;
    const AnalysisCase record = checkedCaseOf(fields, numbers);
    RowOutcome outcome;
    outcome.units = record.units;
    outcome.edgeModelRan = runsEdgeStressModel(record);
    {
        py::gil_scoped_release release;
        computeStresses(record, numbers, outcome.results);
    }
    py::dict results;
    for (const ResultField& field : resultFields()) {
        if (const std::optional<double> value = rowResultValue(outcome, field)) {
            results[py::str(field.name.data(), field.name.size())] = pythonResult(*value, field);
        }
    }
    return results;
}

py::dict readCase(const std::string& path) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    const CaseFileReadResult read = readCaseFile(path, record);
    if (read.status == CaseFileReadResult::Status::IncorrectInputFile) {
        throw InputProblem(path + ": " + read.message);
    }
    if (read.status != CaseFileReadResult::Status::Loaded) {
        throw InputProblem(read.message);
    }
    return caseFields(record);
}

void writeCase(py::dict fields, const std::string& path) {
    FieldNumbers numbers;
    const AnalysisCase record = caseOf(fields, numbers);
    if (std::string error = writeCaseFile(path, record); !error.empty()) {
        raiseOsError(error);
    }
}

} // namespace

void bindCase(py::module_& module) {
    module.def("analyse", &analyse, py::arg("fields"),
               "The results of one case in its units; see korvanex.analyse.");
    module.def("read_case", &readCase, py::arg("path"),
               "The batch columns of a case file as texts; see korvanex.read_case.");
    module.def("write_case", &writeCase, py::arg("fields"), py::arg("path"),
               "Writes the case file of the batch columns; see korvanex.write_case.");
}

} // namespace korvanex::python
