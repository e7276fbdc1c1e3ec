# SPDX-License-Identifier: Apache-2.0
"""The command-line tool that the module is compared with, and the tables both are given."""

import io
import json
import os
import subprocess

import pandas

CLI = os.environ["KORVANEX_CLI"]
SOURCE = os.environ["KORVANEX_SOURCE"]
CASE_FILES = [
    os.path.join(SOURCE, "docs", "examples", "edge-dual-tandem.DEF"),
    os.path.join(SOURCE, "tests", "data", "cases", "example.DEF"),
    os.path.join(SOURCE, "tests", "data", "cases", "metric-two-layer-corner.DEF"),
]
SPECTRUM = os.path.join(SOURCE, "docs", "examples", "traffic-loads.csv")
MESSAGE_PREFIX = "korvanex-cli: "


def run(*arguments):
    """The tool's run: its standard output, standard error and exit status."""
    return subprocess.run([CLI, *arguments], capture_output=True, text=True)


def json_results(*arguments):
    done = run("json", *arguments)
    assert done.returncode == 0, done.stderr
    return json.loads(done.stdout)["results"]


# The computed columns that hold texts.
TEXT_COLUMNS = ("status", "warnings", "plate_loading_stress_face")


def read_table(text):
    """A CSV output of the tool as the module gives it: the computed numbers after the status column
    as floats, exactly as written; an empty text cell ""."""
    table = pandas.read_csv(io.StringIO(text), float_precision="round_trip")
    computed = list(table.columns[table.columns.get_loc("status"):])
    for name in computed:
        texts = name in TEXT_COLUMNS
        table[name] = table[name].fillna("").astype(object) if texts else table[name].astype(float)
    return table


def batch(path):
    """The tool's batch of a CSV file, as a table."""
    done = run("batch", path)
    assert done.returncode == 0, done.stderr
    return read_table(done.stdout)


def message(done):
    """The one-line message of a refused run, without the tool's name and the path it names."""
    line = done.stderr.strip()
    assert line.startswith(MESSAGE_PREFIX), line
    return line[len(MESSAGE_PREFIX):]


def warnings(done):
    """The warnings of a run, without the tool's name and "warning: "."""
    prefix = MESSAGE_PREFIX + "warning: "
    return [line.removeprefix(prefix) for line in done.stderr.splitlines() if line.startswith(prefix)]


def mixed_rows(rows):
    """A batch table cycling through both unit systems, every location, gear and layer, the shoulder
    and the widened lane, faults (k = 0), refused fields, unknown words, warnings, a cell holding a
    comma, and rows of defaults, each row with its own temperature differential."""
    kinds = [
        ["metric", "edge", "dual-tandem", "bonded", "yes", "no", "25.4", "54.2"],
        ["english", "edge", "dual-single", "one", "no", "yes", "9", "0"],
        ["english", "interior", "single-tridem", "unbonded", "no", "no", "abc", "130"],
        ["english", "edge", "xyz", "one", "no", "no", "9", "130"],
        ["english", "corner", "dual-single, dual-tandem", "one", "no", "no", "9", "130"],
        ["english", "corner", "single-tandem", "one", "yes", "yes", "30", "130"],
        ["metric", "corner", "single-single", "unbonded", "no", "yes", "-3", "40"],
        ["", "interior", "", "", "", "", "", ""],
        ["metric", "interior", "dual-tridem", "one", "yes", "no", "19", "25"],
    ]
    header = ["units", "location", "gear", "layer", "tied", "widened", "h1", "k"]
    table = [kinds[row % len(kinds)] + [str(row % 41 - 20)] for row in range(rows)]
    return pandas.DataFrame(table, columns=header + ["F"])
