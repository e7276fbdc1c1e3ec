#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# The batch figures that a benchmark cannot take: instructions per row (callgrind over 20,000 rows,
# less a run of the header alone, divided by the rows) and the peak memory on 1,000,000 rows.
# Usage: sh bench/batch_figures.sh [build/src/cli/korvanex-cli] [JOBS]
set -eu
cli=${1:-build/src/cli/korvanex-cli}
jobs=${2:-1}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The rows of the batch benchmark.
rows() {
    sh "$(dirname "$0")/batch_rows.sh" "$1"
}

instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind" "$cli" batch "$1" --jobs 1 \
        --output "$work/out.csv" 2>&1 | sed -n 's/.*refs: *//p' | tr -d ,
}

rows 20000 >"$work/rows.csv"
rows 0 >"$work/header.csv"
echo "instructions per row: $((($(instructions "$work/rows.csv") - $(instructions "$work/header.csv")) / 20000))"

rows 1000000 >"$work/rows.csv"
/usr/bin/time -f "1,000,000 rows, $jobs jobs: %e s, peak memory %M KB" "$cli" batch "$work/rows.csv" \
    --jobs "$jobs" --output "$work/out.csv"
