#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Instructions per analysis, counted by callgrind over the fixed mix of bench/analysis_instructions.cpp:
# a run of REPEATS rounds less a run of none (the start-up and the reading of the cases), divided by
# the analyses. Deterministic: the same build gives the same figures.
# Usage: sh bench/analysis_instructions.sh [build/bench/analysis_instructions] [REPEATS]
set -eu
program=${1:-build/bench/analysis_instructions}
repeats=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() { # REPEATS [SELECTION]
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind" "$program" "$@" 2>&1 |
        sed -n 's/.*refs: *//p' | tr -d ,
}

cases() { # SELECTION
    "$program" 0 "$@" | sed 's/ cases.*//'
}

for selection in "" interior edge corner one two; do
    # shellcheck disable=SC2086 # an empty selection is no argument
    analyses=$(($(cases $selection) * repeats))
    # shellcheck disable=SC2086
    per=$((($(instructions "$repeats" $selection) - $(instructions 0 $selection)) / analyses))
    echo "instructions per analysis, ${selection:-mix}: $per"
done
