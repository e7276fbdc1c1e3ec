# SPDX-License-Identifier: Apache-2.0
"""The batch: one case per row of a table."""

from __future__ import annotations

from typing import TYPE_CHECKING, Any

import numpy

from korvanex import _korvanex
from korvanex._table import columns_of, frame_of, joined, pandas_module

if TYPE_CHECKING:
    import pandas


def batch(table: Any, jobs: int | None = None) -> pandas.DataFrame:
    """Every row of a table computed as a case: the table of korvanex-cli batch.

    table: a pandas DataFrame, or a mapping of columns, whose columns are batch columns (units,
    location, gear, layer, tied, widened and the numeric fields, in any order and any case). A missing
    column, or a missing cell (pandas' missing value, None, an empty text), takes the default of the
    row's unit system. jobs: the threads that compute the rows, 1 to 256; one per core when not given.

    Returns the table's own columns, then status ("ok", "fault: ROUTINE" or "error: WHAT") and warnings
    (the range texts of the values outside their typical range, joined by "; "; "" when none), both
    texts, then the radius l, the ratios, the factors and stresses and the edge model's results as
    floats in the row's own units: the columns and values of korvanex-cli batch, a missing value where
    the tool leaves a cell empty. A column plate (yes or no) asks for the plate model too: its columns
    plate_loading_stress ... plate_total_reaction follow, floats but plate_loading_stress_face ("top" or
    "bottom"; "" where the row has no plate result). The index is the table's. A refused row, or one
    that faults, gets its status and the others are computed.

    The rows are computed by the program's batch runner on `jobs` threads with the GIL released.
    Raises InputError, with the tool's message, on an unknown or repeated column.

    >>> rows = batch({"units": ["english", "metric"], "h1": [9, 24.1], "k": [150, 0]})
    >>> rows[["h1", "status", "CombinedStress"]].head(1)
        h1 status  CombinedStress
    0  9.0     ok       260.10864
    >>> rows.loc[1, "status"], rows["CombinedStress"].isna().tolist()
    ('fault: WestergaardEdge', [False, True])
    """
    frame = frame_of(table)
    names, columns = columns_of(frame)
    statuses, warnings, result_names, results, plate = _korvanex.batch(names, columns, len(frame), jobs)
    computed = pandas_module().DataFrame(results, index=frame.index, columns=result_names, copy=False)
    computed.insert(0, "warnings", numpy.array(warnings, dtype=object))
    computed.insert(0, "status", numpy.array(statuses, dtype=object))
    for name, values in plate:
        is_numbers = isinstance(values, numpy.ndarray)
        computed[name] = values if is_numbers else numpy.array(values, dtype=object)
    return joined(frame, computed)
