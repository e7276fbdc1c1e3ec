#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Builds the Debian package and checks it: its file list, its Depends line, the desktop entry that opens
# the case files of the MIME type the package declares, the tool run from the unpacked package, manual
# pages that name every command and option of the tool's usage text, and, when the Python module is
# built (PYTHON is ON), the module imported from the unpacked package.
# Usage: sh check_package.sh BUILD_DIR SOURCE_DIR VERSION PYTHON
set -eu
build="$1"
source="$2"
version="$3"
python="$4"
fail() {
    echo "debian package: $*" >&2
    exit 1
}

cmake --build "$build" --target package >"$build/package.log" 2>&1 || fail "cmake --target package failed: see $build/package.log"
deb="$build/korvanex_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "$deb was not made"

files="$(dpkg-deb --contents "$deb" | awk '{ print $6 }')"
expected="./usr/bin/korvanex ./usr/bin/korvanex-cli ./usr/share/applications/korvanex.desktop
    ./usr/share/icons/hicolor/scalable/apps/korvanex.svg ./usr/share/man/man1/korvanex.1.gz
    ./usr/share/man/man1/korvanex-cli.1.gz ./usr/share/doc/korvanex/README.md
    ./usr/share/doc/korvanex/user-guide.html ./usr/share/mime/packages/korvanex.xml
    ./usr/share/doc/korvanex/copyright"
for example in "$source"/docs/examples/*; do
    expected="$expected ./usr/share/doc/korvanex/examples/$(basename "$example")"
done
modules=./usr/lib/python3/dist-packages/korvanex
if [ "$python" = ON ]; then
    for file in "$source"/src/python/korvanex/*; do
        expected="$expected $modules/$(basename "$file")"
    done
    expected="$expected $modules/$(cd "$build/python/korvanex" && echo _korvanex.cpython-*.so)"
fi
for file in $expected; do
    echo "$files" | grep -qxF "$file" || fail "$file is not in the package"
done

# names FIELD: the package names of a relationship field, one a line.
names() {
    dpkg-deb --field "$deb" "$1" | tr ',' '\n' | sed 's/^ *//; s/ .*//'
}
depends="$(dpkg-deb --field "$deb" Depends)"
required="libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6charts6 libqt6svg6"
if [ "$python" = ON ]; then
    required="$required python3 python3-numpy"
    names Recommends | grep -qxF python3-pandas || fail "Recommends lacks python3-pandas"
    names Suggests | grep -qxF python3-dask || fail "Suggests lacks python3-dask"
fi
for library in $required; do
    names Depends | grep -qxF "$library" || fail "Depends lacks $library: $depends"
done

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
cli="$unpacked/usr/bin/korvanex-cli"
head -1 "$unpacked/usr/share/doc/korvanex/copyright" |
    grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
    fail "the copyright file is not in the machine-readable format"
grep -qxF "License: Apache-2.0" "$unpacked/usr/share/doc/korvanex/copyright" || fail "the copyright file names no licence"
entry="$unpacked/usr/share/applications/korvanex.desktop"
grep -qxF "Exec=korvanex %f" "$entry" || fail "the desktop entry does not pass the file to open"
mime_type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$unpacked/usr/share/mime/packages/korvanex.xml")"
grep -q "<glob pattern=\"\*\.def\"/>" "$unpacked/usr/share/mime/packages/korvanex.xml" || fail "the MIME type names no .DEF files"
grep -qxF "MimeType=$mime_type;" "$entry" || fail "the desktop entry does not open $mime_type"
"$cli" report >"$unpacked/report.txt" || fail "the packaged korvanex-cli report failed"
"$build/src/cli/korvanex-cli" report | cmp -s - "$unpacked/report.txt" || fail "the packaged report differs from the built one"
"$cli" verify >/dev/null || fail "the packaged korvanex-cli verify failed"

# The module from the package alone, with only what the package depends on: no pandas, no Dask.
if [ "$python" = ON ]; then
    "$cli" json >"$unpacked/results.json"
    PYTHONPATH="$unpacked/usr/lib/python3/dist-packages" /usr/bin/python3 -c '
import json, sys
sys.modules["pandas"] = sys.modules["dask"] = None
import korvanex, korvanex.dask
assert korvanex.__file__.startswith(sys.argv[1]), korvanex.__file__
assert korvanex.analyse() == json.load(open(sys.argv[2]))["results"]
' "$unpacked/" "$unpacked/results.json" || fail "import korvanex from the unpacked package failed"
fi

page="$(gzip -dc "$unpacked/usr/share/man/man1/korvanex-cli.1.gz" | sed 's/\\-/-/g')"
words="$("$cli" --help | sed -n 's/^  \([a-z]*\)  .*/\1/p') $("$cli" --help | grep -oE -- '--[a-z-]+' | sort -u)"
for word in $words; do
    echo "$page" | grep -qF -- "$word" || fail "the manual page korvanex-cli(1) does not name $word"
done
echo "debian package: $deb checked"
