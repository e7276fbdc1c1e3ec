// SPDX-License-Identifier: Apache-2.0
#include "python/bindings.h"
#include "python/errors.h"

PYBIND11_MODULE(_korvanex, module) {
    module.doc() = "The compiled part of the korvanex package: use the package's own functions.";
    module.attr("__version__") = KORVANEX_VERSION;
    korvanex::python::bindErrors(module);
    korvanex::python::bindCase(module);
    korvanex::python::bindBatch(module);
    korvanex::python::bindFatigue(module);
    korvanex::python::bindReliability(module);
    korvanex::python::bindPlate(module);
    korvanex::python::bindDesign(module);
}
