# SPDX-License-Identifier: Apache-2.0
"""Reliability: the probability that the slab fails under a spectrum, by simulating the scatter of its
inputs, and the slab thickness at a reliability."""

from __future__ import annotations

import json
import os
from collections.abc import Mapping
from typing import Any

from korvanex import _korvanex
from korvanex._fatigue import fatigue_settings
from korvanex._table import columns_of, fields_of, frame_of


def scatter_texts(scatter: Mapping[str, Any] | None) -> list[str]:
    """The scatter of each input as --scatter takes it, NAME=COV[:DISTRIBUTION]: a number is the
    coefficient of variation, a text "COV" or "COV:DISTRIBUTION"."""
    if scatter is None:
        return []
    if not isinstance(scatter, Mapping):
        raise TypeError(f"scatter is a mapping of inputs to coefficients of variation, not {scatter!r}")
    return [f"{name}={value!r}" if isinstance(value, float) else f"{name}={value}"
            for name, value in scatter.items()]


def reliability(
    case: Mapping[str, Any] | None,
    spectrum: Any,
    modulus_of_rupture: float,
    *,
    model: str = "pca",
    c1: float | None = None,
    c2: float | None = None,
    c4: float | None = None,
    c5: float | None = None,
    stress: str = "combined",
    target: float = 100.0,
    scatter: Mapping[str, float | str] | None = None,
    samples: int = 10000,
    seed: int = 1,
    reliability: float | None = None,
    jobs: int | None = None,
    histogram: str | os.PathLike[str] | None = None,
) -> dict[str, Any]:
    """The reliability study of a spectrum on a case: korvanex-cli reliability --json.

    case, spectrum, modulus_of_rupture, model, c1 ... c5, stress and target: as fatigue takes them.
    scatter: the inputs that scatter about the case's own value, each with its coefficient of
        variation (a fraction: 0.15 for 15 %), lognormal, or with its distribution as a text:
        {"h1": 0.04, "MR": "0.1:normal", "traffic": 0.3}. The inputs are h1, E1, k, MR, F (a factor
        on every group's temperature differential) and traffic (a factor on all repetitions); an
        input not given does not scatter.
    samples: the samples simulated, 1 to 10,000,000. seed: the seed of the random draws.
    reliability: also the least slab thickness h1 on a 0.01 grid of its typical range at which this
        percent of the samples carries the traffic.
    jobs: the threads that compute the samples; one per core when not given. The result is the same
        for any number.
    histogram: also draw the samples' total damage as an SVG histogram into this file.

    Returns the dict of the tool's JSON: the settings, "deterministic_damage_percent",
    "probability_of_failure", "probability_interval" (95 %) and "reliability" as fractions,
    "faulted_samples", "damage_percent" (mean and percentiles), for the power model
    "cracking_percent", and with a reliability asked for "required_h1" and
    "deterministic_required_h1"; None for a figure that cannot be known. Raises InputError with the
    tool's message for a refused setting, case field or spectrum, also when a load group cannot be
    computed, and OSError when the histogram cannot be written.

    >>> spectrum = {"gear": ["single-tandem"], "P": [36000], "repetitions": [2e5]}
    >>> scatter = {"h1": 0.05, "MR": "0.1:normal"}
    >>> study = reliability({"h1": 8.5}, spectrum, 650, scatter=scatter, samples=1000)
    >>> study["probability_of_failure"]
    0.179
    """
    frame = frame_of(spectrum)
    names, columns = columns_of(frame)
    text = _korvanex.reliability(
        fields_of(case, {}),
        names,
        columns,
        len(frame),
        settings=fatigue_settings(model, c1, c2, c4, c5, stress, target, modulus_of_rupture),
        scatter=scatter_texts(scatter),
        samples=samples,
        seed=seed,
        reliability=None if reliability is None else float(reliability),
        jobs=jobs,
        histogram=None if histogram is None else os.fspath(histogram),
    )
    return json.loads(text)
