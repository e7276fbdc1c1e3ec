# SPDX-License-Identifier: Apache-2.0
"""korvanex.reliability and korvanex.plate give the values of the tool's JSON, and the design files
that korvanex.read_design and write_design read and write are the tool's."""

import json

import pytest

import cli_tool
import korvanex

SPECTRUM = {"gear": ["single-tandem", "dual-single"], "P": [36000, 18000], "repetitions": [2e5, 1e6]}

# Reliability settings as the module takes them, and as the tool's options.
RELIABILITY = [
    ({"scatter": {"h1": 0.04, "MR": "0.1:normal"}, "samples": 300, "reliability": 90},
     ["--scatter", "h1=0.04", "--scatter", "MR=0.1:normal", "--samples", "300", "--reliability", "90"]),
    ({"model": "power", "c5": -2.5, "scatter": {"k": 0.25, "traffic": "0.3:lognormal", "F": 0.2},
      "samples": 200, "seed": 7, "jobs": 2},
     ["--model", "power", "--c5", "-2.5", "--scatter", "k=0.25", "--scatter", "traffic=0.3:lognormal",
      "--scatter", "F=0.2", "--samples", "200", "--seed", "7"]),
]


def spectrum_file(tmp_path):
    path = tmp_path / "spectrum.csv"
    path.write_text("gear,P,repetitions\nsingle-tandem,36000,2e5\ndual-single,18000,1e6\n")
    return str(path)


@pytest.mark.parametrize("settings, options", RELIABILITY)
def test_reliability_equals_the_tools_json_and_histogram(tmp_path, settings, options):
    picture = tmp_path / "module.svg"
    study = korvanex.reliability({"h1": 8.5}, SPECTRUM, 650, histogram=picture, **settings)
    case = tmp_path / "case.DEF"
    korvanex.write_case({"h1": 8.5}, case)
    done = cli_tool.run("reliability", str(case), "--spectrum", spectrum_file(tmp_path),
                        "--modulus-of-rupture", "650", *options, "--json",
                        "--histogram", str(tmp_path / "tool.svg"))
    assert done.returncode == 0, done.stderr
    assert study == json.loads(done.stdout)
    assert picture.read_bytes() == (tmp_path / "tool.svg").read_bytes()


def test_reliability_defaults_are_the_tools():
    study = korvanex.reliability(None, SPECTRUM, 650, scatter={"h1": 0.1})
    assert (study["samples"], study["seed"], study["model"]) == (10000, 1, "pca")


@pytest.mark.parametrize("settings, problem", [
    ({"scatter": {"depth": 0.1}},
     'scatter: "depth" cannot be scattered; the inputs are h1, E1, k, MR, F or traffic'),
    ({"scatter": {"h1": 15}},
     'scatter: the coefficient of variation of h1 must be a number from 0 to 2, not "15"'),
    ({"scatter": {"k": "0.1:uniform"}},
     'scatter: the distribution of k must be lognormal or normal, not "uniform"'),
    ({"samples": 0}, "samples takes a whole number from 1 to 10000000, not 0"),
    ({"seed": -1}, "seed takes a whole number from 0 to 18446744073709551615, not -1"),
    ({"reliability": 100.5}, "reliability takes a number greater than 0 and at most 100, not 100.5"),
])
def test_a_refused_reliability_setting_raises_input_error(settings, problem):
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.reliability(None, SPECTRUM, 650, **settings)
    assert str(raised.value) == problem


def test_a_spectrum_with_a_refused_group_computes_no_sample(tmp_path):
    path = tmp_path / "spectrum.csv"
    path.write_text("P,repetitions\n-5,1000\n")
    done = cli_tool.run("reliability", "--spectrum", str(path), "--modulus-of-rupture", "650",
                        "--scatter", "h1=0.1")
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.reliability(None, {"P": [-5], "repetitions": [1000]}, 650, scatter={"h1": 0.1})
    assert str(raised.value) == cli_tool.message(done)


@pytest.mark.parametrize("case, settings, options", [
    (None, {}, []),
    (cli_tool.CASE_FILES[2], {"mesh": "coarse", "load": "single"}, ["--mesh", "coarse", "--load", "single"]),
    (cli_tool.CASE_FILES[0], {"tied": "yes", "shoulder_width": 8},
     ["--tied-shoulder", "yes", "--shoulder-width", "8"]),
])
def test_plate_equals_the_tools_json_and_picture(tmp_path, case, settings, options):
    fields = korvanex.read_case(case) if case else {}
    picture = tmp_path / "module.svg"
    computed = korvanex.plate(fields, svg=picture, **settings)
    done = cli_tool.run("plate", *([case] if case else []), *options, "--json",
                        "--svg", str(tmp_path / "tool.svg"))
    assert done.returncode == 0, done.stderr
    assert computed == json.loads(done.stdout)
    assert picture.read_bytes() == (tmp_path / "tool.svg").read_bytes()


def test_plate_refuses_and_warns_as_the_tool_does():
    with pytest.raises(korvanex.InputError, match='^mesh takes coarse, default or fine, not "medium"$'):
        korvanex.plate(mesh="medium")
    with pytest.raises(korvanex.InputError, match="^shoulder_width takes a number greater than 0, not 0$"):
        korvanex.plate(tied="yes", shoulder_width=0)
    with pytest.warns(UserWarning, match="^shoulder_width applies to a tied shoulder only"):
        korvanex.plate(shoulder_width=8)
    with pytest.raises(korvanex.FaultError):
        korvanex.plate(k=0, h1=30)


def test_a_design_the_tool_saved_is_read_and_written_back_unchanged(tmp_path):
    saved = tmp_path / "tool.kvx"
    done = cli_tool.run("reliability", "--tied-shoulder", "yes", "--spectrum", cli_tool.SPECTRUM,
                        "--modulus-of-rupture", "650", "--model", "power", "--c1", "2.1",
                        "--scatter", "E1=0.1:normal",
                        "--samples", "100", "--reliability", "80", "--save-design", str(saved))
    assert done.returncode == 0, done.stderr
    design = korvanex.read_design(saved)
    assert design["fatigue"]["c1"] == 2.1 and design["reliability"]["scatter"] == {"E1": "0.1:normal"}
    korvanex.write_design(design, tmp_path / "module.kvx")
    assert (tmp_path / "module.kvx").read_bytes() == saved.read_bytes()


def test_a_written_design_computes_with_the_tool_what_its_parts_compute_with_the_module(tmp_path):
    path = tmp_path / "design.kvx"
    design = {"case": {"units": "metric", "h1": 24},
              "spectrum": {"P": [80, 120], "repetitions": [1e6, 2e5]},
              "fatigue": {"modulus_of_rupture": 4500, "stress": "loading"}}
    korvanex.write_design(design, path)
    done = cli_tool.run("fatigue", "--design", str(path), "--json")
    result = korvanex.fatigue(design["case"], design["spectrum"], **design["fatigue"])
    assert result.total_damage_percent == json.loads(done.stdout)["total_damage_percent"]
    assert korvanex.read_design(path)["traffic"] is None


@pytest.mark.parametrize("design, error, problem", [
    ({"fatigue": {"modulus_of_rupture": -1}}, korvanex.InputError,
     "modulus_of_rupture takes a number greater than 0, not -1"),
    ({"traffic": {"adtt": 0, "growth": 2, "years": 20, "directional": 50, "lane": 100}}, korvanex.InputError,
     "adtt takes a number greater than 0, not 0"),
    ({"reliability": {"samples": 0}}, korvanex.InputError,
     "samples takes a whole number from 1 to 10000000, not 0"),
    ({"plate": {}}, TypeError,
     "a design has the parts case, spectrum, traffic, fatigue, reliability, not plate"),
])
def test_a_refused_design_part_is_not_written(tmp_path, design, error, problem):
    path = tmp_path / "design.kvx"
    with pytest.raises(error) as raised:
        korvanex.write_design(design, path)
    assert str(raised.value) == problem
    assert not path.exists()


def test_a_file_that_is_not_a_design_raises_input_error_with_the_tools_message(tmp_path):
    path = tmp_path / "bad.kvx"
    path.write_text('{"format": "korvanex-design"}')
    done = cli_tool.run("fatigue", "--design", str(path))
    with pytest.raises(korvanex.InputError) as raised:
        korvanex.read_design(path)
    assert str(raised.value) == cli_tool.message(done)
