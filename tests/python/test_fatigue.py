# SPDX-License-Identifier: Apache-2.0
"""korvanex.fatigue gives the group table of korvanex-cli fatigue --csv and the totals of --json."""

import json
import warnings

import pandas
import pytest

import cli_tool
import korvanex

# Settings as the module takes them, and as the tool's options.
SETTINGS = [
    ({}, []),
    ({"model": "power", "c1": 2.1, "stress": "loading"},
     ["--model", "power", "--c1", "2.1", "--stress", "loading"]),
    ({"stress": "edge-model", "target": 5.0}, ["--stress", "edge-model", "--target", "5"]),
]


@pytest.mark.parametrize("case", [None, cli_tool.CASE_FILES[2]])
@pytest.mark.parametrize("settings, options", SETTINGS)
def test_groups_and_totals_equal_the_tools(case, settings, options):
    arguments = ["fatigue", *([case] if case else []), "--spectrum", cli_tool.SPECTRUM,
                 "--modulus-of-rupture", "650", *options]
    fields = korvanex.read_case(case) if case else None
    spectrum = pandas.read_csv(cli_tool.SPECTRUM)
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        result = korvanex.fatigue(fields, spectrum, 650, solve_thickness=True, **settings)
    done = cli_tool.run(*arguments, "--csv")
    pandas.testing.assert_frame_equal(result.groups, cli_tool.read_table(done.stdout), check_exact=True)
    assert [str(warning.message) for warning in caught] == cli_tool.warnings(done)
    totals = json.loads(cli_tool.run(*arguments, "--json", "--solve-thickness").stdout)
    assert result.total_damage_percent == totals["total_damage_percent"]
    assert result.cracking_percent == totals.get("cracking_percent")
    assert result.required_h1 == totals["required_h1"]
    table = cli_tool.run(*arguments, "--solve-thickness").stdout
    assert f"Required slab thickness h1: {result.thickness}\n" in table


@pytest.mark.parametrize("spectrum", [
    "units,P,repetitions\nmetric,100,1000\n",
    "P,load\n100,1000\n",
    "P\n100\n",
])
def test_a_refused_spectrum_raises_input_error_with_the_tools_message(tmp_path, spectrum):
    path = tmp_path / "spectrum.csv"
    path.write_text(spectrum)
    done = cli_tool.run("fatigue", "--spectrum", str(path), "--modulus-of-rupture", "650")
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.fatigue(None, pandas.read_csv(path), 650)
    assert str(raised.value) == cli_tool.message(done).removeprefix(f"{path}: ")


@pytest.mark.parametrize("settings, problem", [
    ({"model": "miner"}, 'model takes pca or power, not "miner"'),
    ({"c2": 1.3}, "c1, c2, c4 and c5 apply to the power model only"),
    ({"target": 0}, "target takes a number greater than 0, not 0"),
    ({"model": "power", "c5": 1.5}, "c5 takes a number less than 0, not 1.5"),
    ({"model": "power", "c2": -1}, "c2 takes a number greater than 0, not -1"),
    ({"stress": "curl"}, 'stress takes combined, loading or edge-model, not "curl"'),
])
def test_a_refused_setting_raises_input_error(settings, problem):
    with pytest.raises(korvanex.InputError, match=f"^{problem}$"):
        korvanex.fatigue(None, {"repetitions": [1000]}, 650, **settings)
