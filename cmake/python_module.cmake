# SPDX-License-Identifier: Apache-2.0
# Whether the Python module can be built: Python 3 with its headers and pybind11, found once for the
# module (src/python) and its tests (tests/python). Sets KORVANEX_PYTHON_MODULE and Python_EXECUTABLE.
# A build without them still builds the programs, and says so.
set(KORVANEX_PYTHON_MODULE OFF)
if(NOT KORVANEX_PYTHON)
    message(STATUS "Python module: not built (KORVANEX_PYTHON is OFF)")
elseif(KORVANEX_SANITIZE)
    # An extension built with the sanitizers loads only into an interpreter started with libasan preloaded.
    message(STATUS "Python module: not built in the sanitizer build")
else()
    # Debian's interpreter and its python3-* packages, even where another python3 comes first on PATH.
    if(EXISTS /usr/bin/python3)
        set(Python_EXECUTABLE /usr/bin/python3 CACHE FILEPATH "The Python interpreter the module is built for")
    endif()
    find_package(Python 3 COMPONENTS Interpreter Development.Module)
    if(Python_FOUND)
        find_package(pybind11 CONFIG QUIET)
    endif()
    if(Python_FOUND AND pybind11_FOUND)
        set(KORVANEX_PYTHON_MODULE ON)
        message(STATUS "Python module: built for ${Python_EXECUTABLE} (Python ${Python_VERSION}, pybind11 "
                       "${pybind11_VERSION})")
    else()
        message(STATUS "Python module: not built: it needs Python 3 with its headers and pybind11 "
                       "(Debian: python3-dev pybind11-dev); the programs are built")
    endif()
endif()
