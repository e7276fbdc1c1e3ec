// SPDX-License-Identifier: Apache-2.0
// Fatigue: the damage of a traffic spectrum on one case, and the slab thickness that carries it.
#include "python/bindings.h"

#include "formats/fatigue_output.h"
#include "python/errors.h"
#include "python/result_value.h"
#include "python/study_inputs.h"
#include "python/table.h"

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <limits>
#include <optional>

namespace py = pybind11;

namespace korvanex::python {

namespace {

py::object optionalNumber(const std::optional<double>& value) {
    return value ? py::object(py::float_(*value)) : py::object(py::none());
}

py::array_t<double> floats(const std::vector<double>& values) {
    return py::array_t<double>(static_cast<py::ssize_t>(values.size()), values.data());
}

// The per-group columns after the spectrum's own, as the fatigue CSV has them: NaN where its cell is
// empty (a group that was not computed; unlimited allowable repetitions). The stress is a result in
// the case's unit, rounded as stored.
py::dict groupColumns(const FatigueResult& result) {
    constexpr double empty = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::string> status;
    std::vector<double> stress, ratio, allowable, damage;
    for (const GroupDamage& group : result.groups) {
        const bool ok = group.status == GroupDamage::Status::Ok;
        status.push_back(groupStatusText(group));
        stress.push_back(ok ? pythonFloat(static_cast<float>(group.stress)) : empty);
        ratio.push_back(ok ? group.stressRatio : empty);
        allowable.push_back(ok && std::isfinite(group.allowableRepetitions) ? group.allowableRepetitions
                                                                            : empty);
        damage.push_back(ok ? group.damagePercent : empty);
    }
    py::dict columns;
    columns["status"] = status;
    columns["stress"] = floats(stress);
    columns["stress_ratio"] = floats(ratio);
    columns["allowable_repetitions"] = floats(allowable);
    columns["damage_percent"] = floats(damage);
    return columns;
}

py::dict fatigue(py::dict fields, const std::vector<std::string>& names, py::list columns, std::size_t rows,
                 const FatigueParameters& parameters, bool solve) {
    const FatigueSettings settings = parameters.settings();
    FieldNumbers numbers;
    const AnalysisCase record = checkedCaseOf(fields, numbers);
    const TrafficSpectrum spectrum = spectrumOf(Table(names, columns, rows), record);
    warnOfRanges(groupWarnings(spectrum, record));

    FatigueResult result;
    std::optional<RequiredThickness> thickness;
    {
        py::gil_scoped_release release;
        result = computeFatigue(spectrum, settings);
        if (solve) {
            thickness = solveThickness(spectrum, settings);
        }
    }
    warnOfRanges(fatigueWarnings(spectrum, settings, result));
    py::dict answer;
    answer["groups"] = groupColumns(result);
    answer["total_damage_percent"] = optionalNumber(result.totalDamagePercent);
    answer["cracking_percent"] = optionalNumber(result.crackingPercent);
    answer["required_h1"] = py::none();
    answer["thickness"] = py::none();
    if (thickness) {
        if (thickness->status == RequiredThickness::Status::Found) {
            answer["required_h1"] = thickness->h1;
        }
        answer["thickness"] = requiredThicknessText(*thickness, spectrum.units);
    }
    return answer;
}

} // namespace

void bindFatigue(py::module_& module) {
    module.def(
        "fatigue",
        [](py::dict fields, const std::vector<std::string>& names, py::list columns, std::size_t rows,
           py::dict settings, bool solve) {
            return fatigue(fields, names, columns, rows, FatigueParameters::of(settings), solve);
        },
        py::arg("fields"), py::arg("names"), py::arg("columns"), py::arg("rows"), py::arg("settings"),
        py::arg("solve_thickness"),
        "The group columns and totals of a spectrum on a case; see korvanex.fatigue.");
}

} // namespace korvanex::python
