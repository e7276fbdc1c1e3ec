// SPDX-License-Identifier: Apache-2.0
// The design file: a case with its spectrum, traffic, fatigue and reliability settings, read and written.
#include "python/bindings.h"

#include "case/number_text.h"
#include "formats/design_file.h"
#include "python/study_inputs.h"

#include <pybind11/stl.h>

namespace py = pybind11;

namespace korvanex::python {

namespace {

// The traffic settings under the names of the command line's options, in the order of trafficInputs.
constexpr const char* TrafficNames[] = {"adtt", "growth", "years", "directional", "lane"};

py::dict spectrumColumns(const SpectrumCells& cells) {
    py::dict columns;
    for (std::size_t column = 0; column < cells.header.size(); ++column) {
        py::list texts;
        for (const std::vector<std::string>& row : cells.rows) {
            texts.append(row[column]);
        }
        columns[py::str(cells.header[column])] = texts;
    }
    return columns;
}

py::dict trafficParameters(const TrafficSettings& traffic) {
    py::dict parameters;
    for (std::size_t index = 0; index < std::size(TrafficNames); ++index) {
        parameters[TrafficNames[index]] = traffic.*trafficInputs()[index].member;
    }
    return parameters;
}

py::dict fatigueParameters(const FatigueSettings& settings) {
    py::dict parameters;
    parameters["modulus_of_rupture"] = settings.modulusOfRupture;
    parameters["model"] = std::string(wordOf(FatigueModelWords, settings.model));
    parameters["stress"] = std::string(wordOf(FatigueStressWords, settings.stress));
    parameters["target"] = settings.targetPercent;
    if (settings.model == FatigueModel::Power) {
        for (const PowerConstantRule& rule : PowerConstantRules) {
            parameters[rule.name] = settings.constants.*rule.value;
        }
    }
    return parameters;
}

py::dict reliabilityParameters(const ReliabilitySettings& settings) {
    py::dict scatter;
    for (const Word<ScatterInput>& input : ScatterInputWords) {
        if (const Scatter& given = settings.of(input.value); given.cov > 0) {
            scatter[py::str(input.text.data(), input.text.size())] =
                doubleText(given.cov) + ":" +
                std::string(wordOf(ScatterDistributionWords, given.distribution));
        }
    }
    py::dict parameters;
    parameters["scatter"] = scatter;
    parameters["samples"] = settings.samples;
    parameters["seed"] = settings.seed;
    parameters["reliability"] = settings.reliabilityPercent
                                    ? py::object(py::float_(*settings.reliabilityPercent))
                                    : py::object(py::none());
    return parameters;
}

template <typename T, typename Parts> py::object optionalPart(const std::optional<T>& part, Parts parts) {
    return part ? py::object(parts(*part)) : py::object(py::none());
}

py::dict readDesign(const std::string& path) {
    Design design;
    if (std::string error = readDesignFile(path, design); !error.empty()) {
        throw InputProblem(error);
    }
    py::dict parts;
    parts["case"] = caseFields(design.record);
    parts["spectrum"] = optionalPart(design.spectrum, spectrumColumns);
    parts["traffic"] = optionalPart(design.traffic, trafficParameters);
    parts["fatigue"] = optionalPart(design.fatigue, fatigueParameters);
    parts["reliability"] = optionalPart(design.reliability, reliabilityParameters);
    return parts;
}

TrafficSettings trafficOf(py::dict parameters) {
    TrafficSettings traffic;
    for (std::size_t index = 0; index < std::size(TrafficNames); ++index) {
        const TrafficInput& input = trafficInputs()[index];
        const double value = parameters[TrafficNames[index]].cast<double>();
        if (!input.accepts(value)) {
            throw InputProblem(refusedValue(TrafficNames[index], input.requirement, doubleText(value)));
        }
        traffic.*input.member = value;
    }
    return traffic;
}

ReliabilitySettings reliabilityOf(py::dict parameters) {
    return ReliabilityParameters{parameters["scatter"].cast<std::vector<std::string>>(),
                                 parameters["samples"], parameters["seed"],
                                 parameters["reliability"].cast<std::optional<double>>()}
        .settings();
}

void writeDesign(py::dict fields, py::object spectrum, py::object traffic, py::object fatigue,
                 py::object reliability, const std::string& path) {
    Design design;
    FieldNumbers numbers;
    design.record = caseOf(fields, numbers);
    if (!spectrum.is_none()) {
        const py::tuple table = spectrum.cast<py::tuple>();
        design.spectrum = spectrumCellsOf(Table(table[0].cast<std::vector<std::string>>(),
                                                table[1].cast<py::list>(), table[2].cast<std::size_t>()));
    }
    if (!traffic.is_none()) {
        design.traffic = trafficOf(traffic);
    }
    if (!fatigue.is_none()) {
        design.fatigue = FatigueParameters::of(fatigue).settings();
    }
    if (!reliability.is_none()) {
        design.reliability = reliabilityOf(reliability);
    }
    if (std::string error = writeDesignFile(path, design); !error.empty()) {
        raiseOsError(error);
    }
}

} // namespace

void bindDesign(py::module_& module) {
    module.def("read_design", &readDesign, py::arg("path"),
               "The parts of a design file as the module's parameters; see korvanex.read_design.");
    module.def("write_design", &writeDesign, py::arg("fields"), py::arg("spectrum"), py::arg("traffic"),
               py::arg("fatigue"), py::arg("reliability"), py::arg("path"),
               "Writes the design file of the parts; see korvanex.write_design.");
}

} // namespace korvanex::python
