# SPDX-License-Identifier: Apache-2.0
"""The plate model: the case solved with the plate finite-element model beside the analysis."""

from __future__ import annotations

import json
import os
from collections.abc import Mapping
from typing import Any

from korvanex import _korvanex
from korvanex._table import fields_of


def plate(
    case: Mapping[str, Any] | None = None,
    *,
    shoulder_width: float | None = None,
    mesh: str = "default",
    load: str = "gear",
    svg: str | os.PathLike[str] | None = None,
    **fields: Any,
) -> dict[str, Any]:
    """The case solved with the plate finite-element model: korvanex-cli plate --json.

    case and fields: the case, as analyse takes it.
    shoulder_width: the tied shoulder's width, in ft or m (10 ft when not given); a tied shoulder's only.
    mesh: "coarse", "default" or "fine" (fine halves every element of default, which halves every
        element of coarse).
    load: "gear", the whole gear, or "single", one tire of P/2 where the closed forms place it.
    svg: also draw the slab with its stress contours and the tires into this SVG file.

    Returns the dict of the tool's JSON, in psi, inches and pounds whatever the case's units:
    "plate" (the plate model's loading, curling and combined stresses, the face of the loading
    stress, the reference and largest deflections, the foundation's total reaction), "analysis"
    (the analysis's loading, curling and combined stresses) and "clamped" (the ratios the fitted
    models clamped). Raises InputError for what the tool refuses, FaultError when the computation
    stops on a floating-point fault, OSError when the picture cannot be written; warns with a
    RangeWarning of each value outside its typical data range.

    >>> round(plate(h1=9)["plate"]["loading_stress"], 1)
    273.3
    """
    return json.loads(
        _korvanex.plate(
            fields_of(case, fields),
            shoulder_width=None if shoulder_width is None else float(shoulder_width),
            mesh=mesh,
            load=load,
            svg=None if svg is None else os.fspath(svg),
        )
    )
