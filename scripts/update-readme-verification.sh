#!/bin/sh
# Rewrites the table of worked examples in README.md, between its two marker lines, with the output
# of `korvanex-cli verify`. With --check it changes nothing and fails when the README differs.
# Usage: sh scripts/update-readme-verification.sh [--check] [PATH/TO/korvanex-cli]
set -eu
cd "$(dirname "$0")/.."
check=no
if [ "${1:-}" = "--check" ]; then
    check=yes
    shift
fi
cli="${1:-build/src/cli/korvanex-cli}"
begin="<!-- korvanex-cli verify: begin -->"
end="<!-- korvanex-cli verify: end -->"
if ! grep -qxF "$begin" README.md || ! grep -qxF "$end" README.md; then
    echo "README.md: the marker lines \"$begin\" and \"$end\" are missing" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
"$cli" verify >"$work/table" || status=$?
if [ "$status" -gt 1 ]; then
    echo "$cli verify failed with exit status $status" >&2
    exit 2
fi
awk -v begin="$begin" -v end="$end" -v table="$work/table" '
    $0 == end { inside = 0 }
    !inside { print }
    $0 == begin {
        inside = 1
        while ((getline line < table) > 0) print line
    }
' README.md >"$work/README.md"

if [ "$check" = yes ]; then
    if ! diff -u README.md "$work/README.md"; then
        echo "README.md: the Verification table differs from the output of korvanex-cli verify;" \
            "run sh scripts/update-readme-verification.sh" >&2
        exit 1
    fi
else
    cat "$work/README.md" >README.md
fi
