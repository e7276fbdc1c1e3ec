// SPDX-License-Identifier: Apache-2.0
#include "python/errors.h"

#include "case/fault.h"

namespace py = pybind11;

namespace korvanex::python {

namespace {

// The classes live as long as the interpreter: the module keeps its own reference to each.
PyObject* inputError = nullptr;
PyObject* faultError = nullptr;
PyObject* rangeWarning = nullptr;

PyObject* addClass(py::module_& module, const char* name, const char* doc, PyObject* base) {
    const std::string qualified = std::string("korvanex.") + name;
    PyObject* type = PyErr_NewExceptionWithDoc(qualified.c_str(), doc, base, nullptr);
    if (type == nullptr) {
        throw py::error_already_set();
    }
    module.add_object(name, py::handle(type));
    return type;
}

} // namespace

void bindErrors(py::module_& module) {
    inputError = addClass(module, "InputError",
                          "An input that the command-line tool refuses, with the tool's message: a field\n"
                          "that is not a number of 0 or more, an unknown option word or column, a file\n"
                          "that cannot be read. A ValueError.",
                          PyExc_ValueError);
    faultError = addClass(module, "FaultError",
                          "A case whose computation stopped on a floating-point fault: degenerate\n"
                          "inputs, such as a subgrade modulus of 0. A FloatingPointError.",
                          PyExc_FloatingPointError);
    rangeWarning = addClass(module, "RangeWarning",
                            "A value outside its typical data range; the case is computed. A UserWarning.",
                            PyExc_UserWarning);
    py::register_exception_translator([](std::exception_ptr thrown) {
        try {
            std::rethrow_exception(thrown);
        } catch (const InputProblem& problem) {
            PyErr_SetString(inputError, problem.what());
        } catch (const FloatingPointFault& fault) {
            PyErr_SetString(faultError, faultMessage(fault).c_str());
        }
    });
}

void warnOfRanges(const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        if (PyErr_WarnEx(rangeWarning, warning.c_str(), 2) != 0) {
            throw py::error_already_set();
        }
    }
}

void warnOfUse(const std::string& warning) {
    if (PyErr_WarnEx(PyExc_UserWarning, warning.c_str(), 2) != 0) {
        throw py::error_already_set();
    }
}

void raiseOsError(const std::string& message) {
    PyErr_SetString(PyExc_OSError, message.c_str());
    throw py::error_already_set();
}

} // namespace korvanex::python
