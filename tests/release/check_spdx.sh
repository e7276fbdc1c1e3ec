#!/bin/sh
# Fails on a source file of the project that does not declare its licence in an SPDX line.
# Usage: sh check_spdx.sh SOURCE_DIR
set -eu
cd "$1"
# fuzz/build is where fuzz/run builds the project with libFuzzer, and its files are generated.
missing="$(find src tests bench fuzz tools scripts cmake python .ci CMakeLists.txt -path fuzz/build -prune -o \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.pyi' -o -name '*.sh' -o -name '*.cmake' \
    -o -name CMakeLists.txt -o -path fuzz/run -o -path .ci/run \) -type f -print 2>/dev/null |
    xargs grep -L 'SPDX-License-Identifier: Apache-2.0' || true)"
if [ -n "$missing" ]; then
    echo "these files have no SPDX-License-Identifier line:" >&2
    echo "$missing" >&2
    exit 1
fi
