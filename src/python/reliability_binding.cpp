// SPDX-License-Identifier: Apache-2.0
// Reliability: the probability that the slab fails under a spectrum, by simulating the scatter of its
// inputs, and the slab thickness at a reliability.
#include "python/bindings.h"

#include "formats/damage_histogram_svg.h"
#include "formats/reliability_output.h"
#include "io/file_access.h"
#include "python/study_inputs.h"
#include "studies/reliability.h"

#include <pybind11/stl.h>

namespace py = pybind11;

namespace korvanex::python {

namespace {

std::string reliability(py::dict fields, const std::vector<std::string>& names, py::list columns,
                        std::size_t rows, const FatigueParameters& fatigueParameters,
                        const ReliabilityParameters& reliabilityParameters, py::handle jobs,
                        const std::optional<std::string>& histogram) {
    const unsigned threads = jobsOf(jobs);
    const FatigueSettings fatigue = fatigueParameters.settings();
    const ReliabilitySettings settings = reliabilityParameters.settings();
    FieldNumbers numbers;
    const AnalysisCase record = checkedCaseOf(fields, numbers);
    const TrafficSpectrum spectrum = spectrumOf(Table(names, columns, rows), record);
    warnOfRanges(groupWarnings(spectrum, record));
    if (std::string error = spectrumError(spectrum, fatigue); !error.empty()) {
        throw InputProblem("no sample can be computed: " + error);
    }
    std::optional<ReliabilityStudy> study;
    {
        py::gil_scoped_release release;
        study = runReliabilityStudy(spectrum, fatigue, settings, StudyControl{threads, {}, nullptr});
    }
    if (histogram) {
        const std::string svg = damageHistogramSvg(study->damage, fatigue.targetPercent);
        if (std::string error = writeFileAtomically(*histogram, svg); !error.empty()) {
            raiseOsError(error);
        }
    }
    return reliabilityJson(spectrum, fatigue, settings, *study);
}

} // namespace

void bindReliability(py::module_& module) {
    module.def(
        "reliability",
        [](py::dict fields, const std::vector<std::string>& names, py::list columns, std::size_t rows,
           py::dict settings, std::vector<std::string> scatter, py::object samples, py::object seed,
           std::optional<double> reliabilityPercent, py::object jobs, std::optional<std::string> histogram) {
            return reliability(fields, names, columns, rows, FatigueParameters::of(settings),
                               {scatter, samples, seed, reliabilityPercent}, jobs, histogram);
        },
        py::arg("fields"), py::arg("names"), py::arg("columns"), py::arg("rows"), py::arg("settings"),
        py::arg("scatter"), py::arg("samples"), py::arg("seed"), py::arg("reliability"), py::arg("jobs"),
        py::arg("histogram"), "The reliability study's JSON text; see korvanex.reliability.");
}

} // namespace korvanex::python
