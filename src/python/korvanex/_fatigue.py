# SPDX-License-Identifier: Apache-2.0
"""Fatigue: the damage of a traffic spectrum on a case, and the slab thickness that carries it."""

from __future__ import annotations

import dataclasses
import numbers
from collections.abc import Mapping
from typing import TYPE_CHECKING, Any

from korvanex import _korvanex
from korvanex._table import columns_of, fields_of, frame_of, joined, pandas_module

if TYPE_CHECKING:
    import pandas


@dataclasses.dataclass(frozen=True, eq=False)
class FatigueResult:
    """What fatigue computes.

    groups: the spectrum's own columns, then, per load group, status ("ok", "fault: ROUTINE" or
        "error: WHAT"), stress (the stress compared with the modulus of rupture, psi or kPa),
        stress_ratio, allowable_repetitions (a missing value for unlimited) and damage_percent: the
        table of korvanex-cli fatigue --csv, a missing value where it leaves a cell empty.
    total_damage_percent: Miner's sum of the groups' damages, in percent; None when a group was not
        computed, for then the traffic cannot be shown to be carried.
    cracking_percent: the percent of slabs cracked (the power model); None otherwise or when the
        total is not known.
    required_h1: the least slab thickness of the grid that carries the traffic (in or cm); None when
        it was not looked for or none was found.
    thickness: the answer of the thickness search as the tool's table ends it ("8.90 in", "none
        within the typical range (...)", "not solved: ..."); None when it was not looked for.
    """

    groups: pandas.DataFrame = dataclasses.field(repr=False)
    total_damage_percent: float | None
    cracking_percent: float | None
    required_h1: float | None
    thickness: str | None


def _number(name: str, value: Any) -> float:
    if isinstance(value, numbers.Real) and not isinstance(value, bool):
        return float(value)
    raise TypeError(f"{name} takes a number, not {value!r}")


def _constant(name: str, value: Any) -> float | None:
    return None if value is None else _number(name, value)


def fatigue_settings(
    model: str,
    c1: float | None,
    c2: float | None,
    c4: float | None,
    c5: float | None,
    stress: str,
    target: float,
    modulus_of_rupture: float,
) -> dict[str, Any]:
    """The fatigue settings as the compiled module takes them, the numbers checked for numbers."""
    return {
        "model": model,
        "stress": stress,
        "modulus_of_rupture": _number("modulus_of_rupture", modulus_of_rupture),
        "target": _number("target", target),
        "c1": _constant("c1", c1),
        "c2": _constant("c2", c2),
        "c4": _constant("c4", c4),
        "c5": _constant("c5", c5),
    }


def fatigue(
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
    solve_thickness: bool = False,
) -> FatigueResult:
    """The fatigue damage of a traffic spectrum on a case: korvanex-cli fatigue.

    case: a mapping of batch columns to values, as analyse takes it; None for the default case.
    spectrum: a pandas DataFrame, or a mapping of columns, with any of the batch columns but units
        (it is in the case's units) and a repetitions column; each row is a load group, the case
        with the row's cells that are not missing.
    modulus_of_rupture: the concrete's flexural strength, psi or kPa, greater than 0.
    model: "pca", the PCA fatigue curve (Packard and Tayabji, 1985), or "power", log10 N =
        c1 (MR / stress)^c2 with the cracking c4 and c5 (NCHRP 1-37A, 2004): c1 2.0, c2 1.22,
        c4 1, c5 -1.98 when not given, the power model's only; c1, c2 and c4 greater than 0, c5
        less than 0.
    stress: the stress compared with MR, "combined", "loading" or "edge-model".
    target: the damage the slab may take, in percent.
    solve_thickness: also look for the least slab thickness h1 on a 0.01 grid of its typical range
        at which the total damage is at most the target.

    Raises InputError with the tool's message for a refused setting, case field or spectrum header;
    a group that cannot be computed gets its status. Warns with a RangeWarning, as the tool does, of
    each value outside its typical range, of a modulus of rupture outside the usual range of concrete
    and of each stress ratio above 1.
    """
    frame = frame_of(spectrum)
    names, columns = columns_of(frame)
    answer = _korvanex.fatigue(
        fields_of(case, {}),
        names,
        columns,
        len(frame),
        settings=fatigue_settings(model, c1, c2, c4, c5, stress, target, modulus_of_rupture),
        solve_thickness=bool(solve_thickness),
    )
    computed = pandas_module().DataFrame(answer["groups"], index=frame.index)
    return FatigueResult(
        groups=joined(frame, computed),
        total_damage_percent=answer["total_damage_percent"],
        cracking_percent=answer["cracking_percent"],
        required_h1=answer["required_h1"],
        thickness=answer["thickness"],
    )
