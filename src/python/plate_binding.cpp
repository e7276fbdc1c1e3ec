// SPDX-License-Identifier: Apache-2.0
// The plate model: the case solved with the plate finite-element model beside the analysis.
#include "python/bindings.h"

#include "case/number_text.h"
#include "formats/plate_contour_svg.h"
#include "formats/plate_text.h"
#include "io/file_access.h"
#include "python/study_inputs.h"
#include "studies/plate_comparison.h"

#include <pybind11/stl.h>

namespace py = pybind11;

namespace korvanex::python {

namespace {

// The plate's options in computation units: the shoulder's width is given in the case's unit of W.
PlateOptions plateOptions(const AnalysisCase& record, std::optional<double> shoulderWidth,
                          const std::string& mesh, const std::string& load) {
    PlateOptions options;
    options.mesh = chosenWord("mesh", PlateMeshWords, mesh);
    options.load = chosenWord("load", PlateLoadWords, load);
    if (shoulderWidth) {
        options.shoulderWidth =
            shoulderWidthOf(record, doubleText(checkedNumber("shoulder_width", *shoulderWidth, true)));
    }
    return options;
}

std::string plate(py::dict fields, std::optional<double> shoulderWidth, const std::string& mesh,
                  const std::string& load, const std::optional<std::string>& svg) {
    FieldNumbers numbers;
    const AnalysisCase record = checkedCaseOf(fields, numbers);
    const PlateOptions options = plateOptions(record, shoulderWidth, mesh, load);
    if (shoulderWidth && !record.tiedShoulder) {
        warnOfUse("shoulder_width applies to a tied shoulder only (tied=\"yes\")");
    }
    PlateComparison comparison;
    {
        py::gil_scoped_release release;
        comparison = comparePlate(record, options);
    }
    if (svg) {
        const std::string picture = plateContourSvg(record, comparison.model, comparison.plate,
                                                    PlateState::Combined, comparison.options.mesh);
        if (std::string error = writeFileAtomically(*svg, picture); !error.empty()) {
            raiseOsError(error);
        }
    }
    return plateComparisonJson(comparison);
}

} // namespace

void bindPlate(py::module_& module) {
    module.def("plate", &plate, py::arg("fields"), py::arg("shoulder_width"), py::arg("mesh"),
               py::arg("load"), py::arg("svg"), "The plate model's JSON text; see korvanex.plate.");
}

} // namespace korvanex::python
