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
include(CPack)
