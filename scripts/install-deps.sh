#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Installs the Debian packages that building, testing and packaging need, only those that are missing
# (dpkg-dev and file: the Debian package's dependencies are worked out by dpkg-shlibdeps; the Python
# module is built with pybind11 for Debian's python3 and tested with pytest, pandas, Dask and
# matplotlib).
set -eu
packages="build-essential cmake libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev clang-format qt6-base-dev qt6-charts-dev qt6-svg-dev nlohmann-json3-dev dpkg-dev file"
packages="$packages python3-dev pybind11-dev python3-numpy python3-pandas python3-pytest python3-dask python3-distributed python3-matplotlib"
missing=""
for package in $packages; do
    dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q $missing
fi
