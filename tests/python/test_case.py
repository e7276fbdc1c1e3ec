# SPDX-License-Identifier: Apache-2.0
"""One case through the module: the results, the case files, the errors and the warnings, against
what korvanex-cli prints for the same case."""

import os
import subprocess
import sys
import warnings

import pandas
import pytest

import cli_tool
import korvanex


def table_of(case):
    return pandas.DataFrame({name: [value] for name, value in case.items()}, dtype=object)


ENGLISH_CASES = [None, *cli_tool.CASE_FILES[:2]]
METRIC_CASE = cli_tool.CASE_FILES[2]


@pytest.mark.parametrize("path", ENGLISH_CASES)
def test_results_equal_the_tools_json(path):
    case = korvanex.read_case(path) if path else {}
    arguments = [path] if path else []
    assert korvanex.analyse(case) == cli_tool.json_results(*arguments)
    assert korvanex.analyse(case, tied="yes", widened=True) == cli_tool.json_results(
        *arguments, "--tied-shoulder", "yes", "--widened-lane", "yes")


def test_a_metric_cases_results_are_in_kpa_and_cm_as_the_tools_batch_writes_them(tmp_path):
    case = {**korvanex.read_case(METRIC_CASE), "tied": "yes", "widened": "yes"}
    rows = tmp_path / "case.csv"
    table_of(case).to_csv(rows, index=False)
    expected = cli_tool.batch(str(rows)).iloc[0]
    results = korvanex.analyse(case)
    names = expected.index[expected.index.get_loc("l"):]
    computed = pandas.Series([results.get(name, float("nan")) for name in names], index=names)
    assert expected["status"] == "ok"
    expected = expected[names].astype(float)
    pandas.testing.assert_series_equal(computed, expected, check_names=False, check_exact=True)


@pytest.mark.parametrize("path", cli_tool.CASE_FILES)
def test_a_case_file_written_back_is_the_same_file(path, tmp_path):
    copy = tmp_path / "copy.DEF"
    korvanex.write_case(korvanex.read_case(path), copy)
    assert copy.read_bytes() == open(path, "rb").read()


REFUSED_ROWS = [
    {"L": "abc"},
    {"h1": -1},
    {"gear": "dual-quad"},
    {"units": "imperial"},
    {"tied": "maybe"},
]


@pytest.mark.parametrize("fields", REFUSED_ROWS)
def test_a_refused_case_raises_input_error_with_the_tools_message(fields, tmp_path):
    rows = tmp_path / "case.csv"
    table_of(fields).to_csv(rows, index=False)
    status = cli_tool.batch(str(rows))["status"][0]
    assert status.startswith("error: ")
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.analyse(fields)
    assert str(raised.value) == status.removeprefix("error: ")
    assert isinstance(raised.value, ValueError)


def test_an_unknown_field_is_named_as_the_tool_names_a_column(tmp_path):
    rows = tmp_path / "case.csv"
    rows.write_text("depth\n9\n")
    expected = cli_tool.message(cli_tool.run("batch", str(rows))).removeprefix(f"{rows}: ")
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.batch({"depth": [9]})
    assert str(raised.value) == expected
    # A case's fields are the batch's columns but the batch's own plate column.
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.analyse(depth=9)
    assert str(raised.value) == expected.replace("plate, ", "")


def test_a_fault_raises_fault_error_and_the_warnings_come_first(tmp_path):
    case = {"k": 0, "h1": 30}
    path = tmp_path / "fault.DEF"
    korvanex.write_case(case, path)
    done = cli_tool.run("json", str(path))
    *warned, fault = done.stderr.splitlines()
    with warnings.catch_warnings(record=True) as caught, pytest.raises(korvanex.FaultError) as raised:
        warnings.simplefilter("always")
        korvanex.analyse(case)
    assert done.returncode == 1
    assert str(raised.value) == fault.removeprefix(cli_tool.MESSAGE_PREFIX)
    assert [f"korvanex-cli: warning: {w.message}" for w in caught] == warned
    assert {w.category for w in caught} == {korvanex.RangeWarning}
    assert caught[0].filename == __file__


@pytest.mark.parametrize("name", ["README.md", "missing.DEF"])
def test_a_file_that_is_not_a_case_raises_input_error_with_the_tools_message(name):
    path = os.path.join(cli_tool.SOURCE, name)
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.read_case(path)
    assert str(raised.value) == cli_tool.message(cli_tool.run("json", path))


def test_the_module_imports_without_pandas_and_says_what_to_install():
    script = (
        "import sys; sys.modules['pandas'] = None\n"
        "import korvanex\n"
        "print(korvanex.analyse()['CombinedStress'])\n"
        "try:\n    korvanex.batch({'h1': [9]})\nexcept ImportError as error:\n    print(error)\n"
    )
    done = subprocess.run([sys.executable, "-c", script], capture_output=True, text=True, check=True)
    assert done.stdout.splitlines() == [
        str(cli_tool.json_results()["CombinedStress"]),
        "korvanex needs pandas for its tables: install python3-pandas (or pip install pandas)",
    ]
