# SPDX-License-Identifier: Apache-2.0
"""One case: its results, and its case file."""

from __future__ import annotations

import os
from collections.abc import Mapping
from typing import Any

from korvanex import _korvanex
from korvanex._table import fields_of


def analyse(case: Mapping[str, Any] | None = None, **fields: Any) -> dict[str, float]:
    """Every result of one case, in the case's units: the values of korvanex-cli json.

    case: a mapping of batch columns to values (read_case gives one, a row of a DataFrame is one);
    fields: more of them as keywords, over those of the mapping. Without either, the default case.

    The dict holds the radius of relative stiffness l, the ratios, the factors and the stresses under
    the names the report gives them (l, a_l, ..., LoadingStressOnly, CurlStress, CombinedStress),
    and the edge model's results (MdEdgeInfSlab, ..., MdCombinedStress) where that model runs for the
    case. Stresses are in psi or kPa, lengths in inches or cm; a result is the number the tool writes.

    Raises InputError for a field the tool refuses, an unknown column or option word, and FaultError
    when the computation stops on a floating-point fault. Warns with a RangeWarning of each value
    outside its typical data range.

    >>> results = analyse(location="interior", gear="dual-tandem", h1=9, k=150, F=20)
    >>> round(results["CombinedStress"], 2)
    174.45
    """
    return _korvanex.analyse(fields_of(case, fields))


def read_case(path: str | os.PathLike[str]) -> dict[str, str]:
    """The case of a .DEF case file as a mapping of batch columns to texts, as the file holds them.

    A case file does not hold the transverse wheel spacing d, the tied shoulder or the widened lane:
    d is the default of the file's units, tied and widened are "no". Raises InputError with the tool's
    message when the file cannot be read or is not a case file.
    """
    return _korvanex.read_case(os.fspath(path))


def write_case(case: Mapping[str, Any], path: str | os.PathLike[str]) -> None:
    """Writes the case as a .DEF case file, replacing the file only when the new one is complete.

    case: a mapping of batch columns to values, the fields not given taking their defaults. The file
    does not hold d, tied or widened. Raises InputError on an unknown column or option word, OSError
    when the file cannot be written.
    """
    _korvanex.write_case(fields_of(case, {}), os.fspath(path))
