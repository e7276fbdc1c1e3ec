# SPDX-License-Identifier: Apache-2.0
"""The design file (.kvx): a case with its spectrum, traffic, fatigue and reliability settings."""

from __future__ import annotations

import inspect
import os
from collections.abc import Mapping
from typing import Any

from korvanex import _korvanex
from korvanex._fatigue import fatigue, fatigue_settings
from korvanex._reliability import reliability, scatter_texts
from korvanex._table import columns_of, fields_of, frame_of

_PARTS = ("case", "spectrum", "traffic", "fatigue", "reliability")


def read_design(path: str | os.PathLike[str]) -> dict[str, Any]:
    """The parts of a design file, each as the module's functions take it; None for a part the file
    does not hold:

    case: the batch columns as texts, as read_case gives them (the captions that a design made from
        a case file may keep are not among them).
    spectrum: the load groups as a mapping of columns to their cell texts.
    traffic: the truck traffic of a spectrum of axle groups per 1,000 trucks, under the names of the
        command line's options: adtt, growth, years, directional and lane.
    fatigue: the keywords of fatigue: modulus_of_rupture, model, stress, target and, for the power
        model, c1, c2, c4 and c5.
    reliability: the keywords of reliability: scatter (each input's "COV:DISTRIBUTION"), samples,
        seed and reliability.

    So that, for a spectrum of repetitions, fatigue(design["case"], design["spectrum"],
    **design["fatigue"]) computes what korvanex-cli fatigue --design computes. Raises InputError with
    the tool's message when the file cannot be read or is not a design file.
    """
    return _korvanex.read_design(os.fspath(path))


def _keywords(function: Any, given: Mapping[str, Any]) -> dict[str, Any]:
    """The keyword-only parameters of a function, as given or their defaults."""
    parameters = inspect.signature(function).parameters.values()
    keywords = {p.name: p.default for p in parameters if p.kind is inspect.Parameter.KEYWORD_ONLY}
    unknown = set(given) - set(keywords) - {"modulus_of_rupture"}
    if unknown:
        raise TypeError(f"{function.__name__} takes no {', '.join(sorted(unknown))}")
    keywords.update(given)
    return keywords


def write_design(design: Mapping[str, Any], path: str | os.PathLike[str]) -> None:
    """Writes a design file, replacing the file only when the new one is complete.

    design: a mapping of the parts read_design gives, each optional: case (None for the default
    case), spectrum (a DataFrame or a mapping of columns), traffic (all five of adtt, growth, years,
    directional and lane), fatigue (modulus_of_rupture and any keywords of fatigue but
    solve_thickness, the others taking fatigue's defaults) and reliability (the keywords of
    reliability scatter, samples, seed and reliability, likewise). Raises InputError with the tool's
    message for a refused value, OSError when the file cannot be written.
    """
    unknown = set(design) - set(_PARTS)
    if unknown:
        raise TypeError(f"a design has the parts {', '.join(_PARTS)}, not {', '.join(sorted(unknown))}")
    spectrum = None
    if design.get("spectrum") is not None:
        frame = frame_of(design["spectrum"])
        spectrum = (*columns_of(frame), len(frame))
    settings = None
    if design.get("fatigue") is not None:
        given = _keywords(fatigue, design["fatigue"])
        given.pop("solve_thickness")
        settings = fatigue_settings(**given)
    scatter = None
    if design.get("reliability") is not None:
        given = {name: design["reliability"][name] for name in design["reliability"]}
        keywords = _keywords(reliability, given)
        scatter = {
            "scatter": scatter_texts(keywords["scatter"]),
            "samples": keywords["samples"],
            "seed": keywords["seed"],
            "reliability": keywords["reliability"],
        }
    _korvanex.write_design(
        fields_of(design.get("case"), {}), spectrum, design.get("traffic"), settings, scatter, os.fspath(path)
    )
