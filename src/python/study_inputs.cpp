// SPDX-License-Identifier: Apache-2.0
#include "python/study_inputs.h"

#include "case/number_text.h"
#include "io/case_columns.h"
#include "studies/batch.h"

#include <cmath>
#include <limits>

namespace py = pybind11;

namespace korvanex::python {

namespace {

// A whole-number parameter from `least` to `most`, as the command line takes its option.
std::uint64_t wholeNumber(const char* parameter, py::handle value, std::uint64_t least, std::uint64_t most,
                          std::string_view requirement) {
    std::uint64_t number = 0;
    bool whole = PyIndex_Check(value.ptr()) && !PyBool_Check(value.ptr());
    if (whole) {
        number = PyLong_AsUnsignedLongLong(value.ptr());
        whole = !PyErr_Occurred();
        PyErr_Clear();
    }
    if (!whole || number < least || number > most) {
        throw InputProblem(refusedValue(parameter, requirement, std::string(py::repr(value))));
    }
    return number;
}

} // namespace

// A number parameter: finite, and greater than 0 or less than 0.
double checkedNumber(const std::string& parameter, double value, bool positive) {
    if (!std::isfinite(value) || !(positive ? value > 0 : value < 0)) {
        throw InputProblem(refusedValue(parameter, signRequirement(positive), doubleText(value)));
    }
    return value;
}

namespace {

std::optional<double> optionalDouble(py::handle value) {
    return value.is_none() ? std::nullopt : std::optional<double>(value.cast<double>());
}

} // namespace

FatigueParameters FatigueParameters::of(py::dict parameters) {
    return {parameters["model"].cast<std::string>(),
            parameters["stress"].cast<std::string>(),
            parameters["modulus_of_rupture"].cast<double>(),
            parameters["target"].cast<double>(),
            optionalDouble(parameters["c1"]),
            optionalDouble(parameters["c2"]),
            optionalDouble(parameters["c4"]),
            optionalDouble(parameters["c5"])};
}

FatigueSettings FatigueParameters::settings() const {
    FatigueSettings settings;
    settings.model = chosenWord("model", FatigueModelWords, model);
    settings.stress = chosenWord("stress", FatigueStressWords, stress);
    if (settings.model == FatigueModel::Pca && (c1 || c2 || c4 || c5)) {
        throw InputProblem("c1, c2, c4 and c5 apply to the power model only");
    }
    settings.modulusOfRupture = checkedNumber("modulus_of_rupture", modulusOfRupture, true);
    settings.targetPercent = checkedNumber("target", target, true);
    const std::optional<double>* const given[] = {&c1, &c2, &c4, &c5};
    static_assert(std::size(given) == std::size(PowerConstantRules));
    for (std::size_t index = 0; index < std::size(given); ++index) {
        const PowerConstantRule& rule = PowerConstantRules[index];
        if (*given[index]) {
            settings.constants.*rule.value = checkedNumber(rule.name, **given[index], rule.positive);
        }
    }
    return settings;
}

py::dict caseFields(const AnalysisCase& record) {
    py::dict fields;
    for (const CaseColumn& column : caseColumns()) {
        fields[py::str(column.name.data(), column.name.size())] = std::string(caseCellText(record, column));
    }
    return fields;
}

SpectrumCells spectrumCellsOf(const Table& table) {
    SpectrumCells cells;
    cells.header = table.names;
    std::vector<const CaseColumn*> columns;
    CountColumn count = CountColumn::Repetitions;
    if (std::string error = readSpectrumHeader(cells.header, columns, count); !error.empty()) {
        throw InputProblem(error);
    }
    cells.rows.resize(table.rows);
    for (std::size_t row = 0; row < table.rows; ++row) {
        table.row(row, cells.rows[row]);
    }
    return cells;
}

TrafficSpectrum spectrumOf(const Table& table, const AnalysisCase& record) {
    return buildSpectrum(spectrumCellsOf(table), record);
}

unsigned jobsOf(py::handle jobs) {
    if (jobs.is_none()) {
        return machineCores();
    }
    const long long count = PyIndex_Check(jobs.ptr()) ? PyLong_AsLongLong(jobs.ptr()) : 0;
    PyErr_Clear();
    if (count < 1 || count > MaxBatchJobs) {
        throw InputProblem(refusedValue("jobs", jobsRequirement(), std::string(py::repr(jobs))));
    }
    return static_cast<unsigned>(count);
}

ReliabilitySettings ReliabilityParameters::settings() const {
    ReliabilitySettings settings;
    for (const std::string& text : scatter) {
        if (std::string error = parseScatter(text, settings); !error.empty()) {
            throw InputProblem("scatter: " + error);
        }
    }
    settings.samples = wholeNumber("samples", samples, 1, MaxSamples, SamplesRequirement);
    settings.seed = wholeNumber("seed", seed, 0, std::numeric_limits<std::uint64_t>::max(), SeedRequirement);
    if (reliability && !acceptsReliabilityPercent(*reliability)) {
        throw InputProblem(refusedValue("reliability", ReliabilityRequirement, doubleText(*reliability)));
    }
    settings.reliabilityPercent = reliability;
    return settings;
}

} // namespace korvanex::python
