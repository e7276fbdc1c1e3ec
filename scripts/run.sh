#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Builds the two programs (no tests, no benchmarks: the test command builds those) and runs one: the
# desktop window where a display exists, otherwise the command-line tool on the built-in default case.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --parallel "$(nproc)" --target korvanex korvanex-cli
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/src/app/korvanex ]; then
    exec build/src/app/korvanex
fi
exec build/src/cli/korvanex-cli report
