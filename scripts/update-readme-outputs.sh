#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Rewrites the command outputs that README.md shows, each between its two marker lines, with what the
# command prints now: the Verification table (`korvanex-cli verify`), the fatigue worked examples
# (from repetitions and from truck traffic), the reliability worked design with its histogram
# (docs/reliability-histogram.svg), the plate model's example and its convergence table, the plate
# model's picture docs/plate-contours.svg, and the Python example (docs/examples/notebook.py: its source
# and what it prints, run with the module in PYTHON_DIR; its figure becomes docs/python-damage.png).
# With --check it changes nothing and fails when the README or one of its SVG pictures differs; the
# Python figure is not compared, for its text depends on the fonts.
# Usage: sh scripts/update-readme-outputs.sh [--check] [PATH/TO/korvanex-cli [PYTHON_DIR]]
set -eu
cd "$(dirname "$0")/.."
check=no
if [ "${1:-}" = "--check" ]; then
    check=yes
    shift
fi
cli="${1:-build/src/cli/korvanex-cli}"
python_dir="${2:-build/python}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp README.md "$work/README.md"

# replace NAME FILE: puts FILE between the marker lines of NAME in the working copy of the README.
replace() {
    begin="<!-- $1: begin -->"
    end="<!-- $1: end -->"
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
replace "korvanex-cli verify" "$work/verify"

{
    echo '```'
    "$cli" fatigue --spectrum docs/examples/traffic-loads.csv --modulus-of-rupture 650 --solve-thickness
    echo '```'
} >"$work/fatigue"
replace "korvanex-cli fatigue example" "$work/fatigue"

{
    echo '```'
    "$cli" fatigue --spectrum docs/examples/truck-traffic.csv --modulus-of-rupture 650 --adtt 1000 --growth 3 \
        --years 25 --solve-thickness
    echo '```'
} >"$work/traffic"
replace "korvanex-cli truck traffic example" "$work/traffic"

# The Python example, run where its spectrum is, as its first lines say.
if [ -d "$python_dir/korvanex" ]; then
    python=/usr/bin/python3
    [ -x "$python" ] || python=python3
    mkdir "$work/examples"
    cp docs/examples/notebook.py docs/examples/traffic-loads.csv "$work/examples"
    {
        echo '```python'
        cat docs/examples/notebook.py
        echo '```'
    } >"$work/python-source"
    replace "korvanex python example source" "$work/python-source"
    python_dir="$(cd "$python_dir" && pwd)"
    {
        echo '```'
        (cd "$work/examples" && PYTHONPATH="$python_dir" "$python" notebook.py)
        echo '```'
    } >"$work/python-output"
    replace "korvanex python example output" "$work/python-output"
else
    echo "README.md: the Python example is not run: there is no module in $python_dir" >&2
fi

{
    echo '```'
    "$cli" reliability --spectrum docs/examples/truck-traffic.csv --modulus-of-rupture 650 --adtt 1000 --growth 3 \
        --years 25 --scatter h1=0.04:normal --scatter E1=0.1 --scatter k=0.25 --scatter MR=0.1:normal \
        --scatter traffic=0.3 --reliability 90 --histogram "$work/histogram.svg"
    echo '```'
} >"$work/reliability"
replace "korvanex-cli reliability example" "$work/reliability"

plateExample="docs/examples/edge-dual-tandem.DEF --tied-shoulder yes"
{
    echo '```'
    # shellcheck disable=SC2086 # the case file and its option
    "$cli" plate $plateExample --svg "$work/plate-contours.svg"
    echo '```'
} >"$work/plate"
replace "korvanex-cli plate example" "$work/plate"

# convergence NAME ARGS...: the plate model's largest combined stress of a case on the three meshes,
# and how much halving every element of the default mesh changes it.
convergence() {
    name="$1"
    shift
    for mesh in coarse default fine; do
        "$cli" plate "$@" --mesh "$mesh" --json | sed -n 's/^    "combined_stress": \(.*\),$/\1/p' | head -n 1
    done | awk -v name="$name" '
        { stress[NR] = $1 }
        END { printf "| %s | %.2f | %.2f | %.2f | %+.3f %% |\n", name, stress[1], stress[2], stress[3],
              (stress[3] / stress[2] - 1) * 100 }'
}
{
    echo "| Case | Coarse mesh | Default mesh | Fine mesh | Default to fine |"
    echo "|---|---:|---:|---:|---:|"
    convergence "The default case: edge, Dual-Single, no curling"
    convergence "The same with a tied shoulder" --tied-shoulder yes
    convergence "docs/examples/edge-dual-tandem.DEF: edge, Dual-Tandem, dT 20 degF" \
        docs/examples/edge-dual-tandem.DEF
    convergence "tests/data/cases/metric-two-layer-corner.DEF: corner, Dual-Tandem, two bonded layers" \
        tests/data/cases/metric-two-layer-corner.DEF
} >"$work/convergence"
replace "korvanex-cli plate convergence" "$work/convergence"

if [ "$check" = yes ]; then
    if ! diff -u README.md "$work/README.md" || ! cmp -s docs/plate-contours.svg "$work/plate-contours.svg" ||
        ! cmp -s docs/reliability-histogram.svg "$work/histogram.svg"; then
        echo "README.md or a picture of it: a command output differs from what the command prints now;" \
            "run sh scripts/update-readme-outputs.sh" >&2
        exit 1
    fi
else
    cat "$work/README.md" >README.md
    cat "$work/plate-contours.svg" >docs/plate-contours.svg
    cat "$work/histogram.svg" >docs/reliability-histogram.svg
    if [ -f "$work/examples/damage-against-thickness.png" ]; then
        cp "$work/examples/damage-against-thickness.png" docs/python-damage.png
    fi
fi
