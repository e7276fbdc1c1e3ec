# SPDX-License-Identifier: Apache-2.0
# `cmake --build build --target package` makes the Debian package korvanex_VERSION_ARCH.deb from the
# install rules, with its dependencies worked out from the installed programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvanex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "critical stress in jointed concrete pavement slabs")
string(JOIN " " CPACK_PACKAGE_DESCRIPTION
    "KORVANEX computes the critical tensile stress in a jointed concrete slab under one truck axle"
    "and a temperature differential: Westergaard closed-form solutions multiplied by adjustment"
    "factors from fitted projection-pursuit models, and a second closed-form edge model, written as"
    "a fixed-layout report. The package holds the desktop program korvanex and the command-line tool"
    "korvanex-cli, with its batch, sweep and verify commands.")
set(CPACK_PACKAGE_CONTACT "KORVANEX developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(KORVANEX_PYTHON_MODULE)
    # dpkg-shlibdeps sees the libraries the module links, but not Python: an extension takes the
    # interpreter's symbols from the process that loads it, and its name ties it to one Python
    # version (_korvanex.cpython-311-...). That dependency is written as dh_python3 writes it for an
    # extension, from the interpreter the module was built for. numpy is imported, not linked, so no
    # tool can see it. The tables need pandas; korvanex.dask needs Dask.
    math(EXPR next_minor "${Python_VERSION_MINOR} + 1")
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "python3 (>= ${Python_VERSION_MAJOR}.${Python_VERSION_MINOR}~), python3 (<< ${Python_VERSION_MAJOR}.${next_minor}), python3-numpy")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS python3-pandas)
    set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-dask, python3-distributed, python3-matplotlib")
    string(APPEND CPACK_PACKAGE_DESCRIPTION " The Python module korvanex computes the same from pandas tables,"
           " and on a Dask cluster with korvanex.dask.")
endif()
include(CPack)
