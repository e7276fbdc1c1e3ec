#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Rewrites the command outputs that README.md shows, each between its two marker lines, with what the
# command prints now: the Verification table (`korvanex-cli verify`), the fatigue worked examples
# (from repetitions and from truck traffic) and the reliability worked design with its histogram
# (docs/reliability-histogram.svg).
# With --check it changes nothing and fails when the README differs.
# Usage: sh scripts/update-readme-outputs.sh [--check] [PATH/TO/korvanex-cli]
set -eu
cd "$(dirname "$0")/.."
check=no
if [ "${1:-}" = "--check" ]; then
    check=yes
    shift
fi
cli="${1:-build/src/cli/korvanex-cli}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp README.md "$work/README.md"

# replace NAME FILE: puts FILE between the marker lines of NAME in the working copy of the README.
replace() {
    begin="<!-- korvanex-cli $1: begin -->"
    end="<!-- korvanex-cli $1: end -->"
    if ! grep -qxF "$begin" "$work/README.md" || ! grep -qxF "$end" "$work/README.md"; then
        echo "README.md: the marker lines \"$begin\" and \"$end\" are missing" >&2
        exit 2
    fi
    awk -v begin="$begin" -v end="$end" -v output="$2" '
        $0 == end { inside = 0 }
        !inside { print }
        $0 == begin {
            inside = 1
            while ((getline line < output) > 0) print line
        }
    ' "$work/README.md" >"$work/next" && mv "$work/next" "$work/README.md"
}

status=0
"$cli" verify >"$work/verify" || status=$?
if [ "$status" -gt 1 ]; then
    echo "$cli verify failed with exit status $status" >&2
    exit 2
fi
replace verify "$work/verify"

{
    echo '```'
    "$cli" fatigue --spectrum docs/examples/traffic-loads.csv --modulus-of-rupture 650 --solve-thickness
    echo '```'
} >"$work/fatigue"
replace "fatigue example" "$work/fatigue"

{
    echo '```'
    "$cli" fatigue --spectrum docs/examples/truck-traffic.csv --modulus-of-rupture 650 --adtt 1000 --growth 3 \
        --years 25 --solve-thickness
    echo '```'
} >"$work/traffic"
replace "truck traffic example" "$work/traffic"

{
    echo '```'
    "$cli" reliability --spectrum docs/examples/truck-traffic.csv --modulus-of-rupture 650 --adtt 1000 --growth 3 \
        --years 25 --scatter h1=0.04:normal --scatter E1=0.1 --scatter k=0.25 --scatter MR=0.1:normal \
        --scatter traffic=0.3 --reliability 90 --histogram "$work/histogram.svg"
    echo '```'
} >"$work/reliability"
replace "reliability example" "$work/reliability"

if [ "$check" = yes ]; then
    if ! diff -u README.md "$work/README.md" || ! cmp -s docs/reliability-histogram.svg "$work/histogram.svg"; then
        echo "README.md or its histogram: a command output differs from what the command prints now;" \
            "run sh scripts/update-readme-outputs.sh" >&2
        exit 1
    fi
else
    cat "$work/README.md" >README.md
    cat "$work/histogram.svg" >docs/reliability-histogram.svg
fi
