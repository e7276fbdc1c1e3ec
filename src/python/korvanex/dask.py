# SPDX-License-Identifier: Apache-2.0
"""Network-scale studies on a Dask cluster: the same calls on a LocalCluster or on a cluster reached
through distributed.Client("tcp://scheduler:8786").

    batch(ddf)                               korvanex.batch on every partition of a Dask DataFrame
    fatigue_many(sections, spectra, mr, ...) korvanex.fatigue for every section of a network

Each partition is one task; the workers' threads and processes spread the tasks, so a task computes
its rows on one thread unless jobs says otherwise. Dask is optional: this module imports without it
and says what to install when one of its functions is called.
"""

from __future__ import annotations

from collections.abc import Mapping
from typing import Any

import korvanex
from korvanex._table import pandas_module

DASK_NEEDED = (
    "korvanex.dask needs Dask: install python3-dask and python3-distributed "
    '(or pip install "dask[dataframe]" distributed)'
)

# The columns that fatigue_many adds to each section.
FATIGUE_COLUMNS = ("status", "total_damage_percent", "cracking_percent", "required_h1", "thickness")


def _dask_dataframe() -> Any:
    try:
        import dask.dataframe
    except ImportError as error:
        raise ImportError(DASK_NEEDED) from error
    return dask.dataframe


def _batch_partition(partition: Any, jobs: int) -> Any:
    return korvanex.batch(partition, jobs=jobs)


def batch(ddf: Any, jobs: int = 1) -> Any:
    """korvanex.batch on every partition of a Dask DataFrame of batch columns, lazily.

    Returns a Dask DataFrame with the partition's columns, status, warnings and the results, of the
    dtypes korvanex.batch gives; compute() it, or write it with to_csv or to_parquet. An unknown
    column raises InputError here, before anything is computed. jobs: the threads of each task.
    """
    dataframe = _dask_dataframe()
    meta = korvanex.batch(dataframe.utils.make_meta(ddf), jobs=1)
    return ddf.map_partitions(_batch_partition, jobs, meta=meta)


def _fatigue_row(section: Mapping[str, Any], spectra: Mapping[str, Any], spectrum_column: str,
                 settings: Mapping[str, Any]) -> tuple[Any, ...]:
    case = {name: value for name, value in section.items() if name != spectrum_column}
    try:
        spectrum = spectra[section[spectrum_column]]
    except KeyError:
        return (f"error: no spectrum {section[spectrum_column]!r}", None, None, None, None)
    try:
        result = korvanex.fatigue(case, spectrum, **settings)
    except korvanex.InputError as error:
        return (f"error: {error}", None, None, None, None)
    statuses = result.groups["status"]
    failed = [f"row {row}: {status}" for row, status in enumerate(statuses, 1) if status != "ok"]
    totals = (result.total_damage_percent, result.cracking_percent, result.required_h1, result.thickness)
    return (failed[0] if failed else "ok", *totals)


def _fatigue_partition(partition: Any, spectra: Mapping[str, Any], spectrum_column: str,
                       settings: Mapping[str, Any]) -> Any:
    pandas = pandas_module()
    case_columns = [name for name in partition.columns if name != spectrum_column]
    rows = [
        _fatigue_row(section, spectra, spectrum_column, settings)
        for section in partition.to_dict("records")
    ]
    computed = pandas.DataFrame(rows, index=partition.index, columns=list(FATIGUE_COLUMNS))
    computed = computed.astype({"status": object, "total_damage_percent": float, "cracking_percent": float,
                                "required_h1": float, "thickness": object})
    return pandas.concat([partition[case_columns + [spectrum_column]], computed], axis=1)


def fatigue_many(
    sections: Any,
    spectra: Mapping[str, Any],
    modulus_of_rupture: float,
    *,
    spectrum_column: str = "spectrum",
    **settings: Any,
) -> Any:
    """korvanex.fatigue for every section of a network, each with its own traffic spectrum, lazily.

    sections: a Dask DataFrame, one row per section: batch columns (the section's case) and the
        column spectrum_column naming its spectrum in `spectra`.
    spectra: spectrum name -> spectrum (a DataFrame or a mapping of columns, as fatigue takes it).
    modulus_of_rupture and settings: as korvanex.fatigue takes them (model, c1, c2, c4, c5, stress,
        target, solve_thickness), the same for every section.

    Returns a Dask DataFrame of the sections with status ("ok"; "error: " and the InputError's
    message for a section whose case or spectrum is refused; "row N: " and the status of the first
    group of its spectrum that was not computed), total_damage_percent, cracking_percent,
    required_h1 and thickness (see korvanex.FatigueResult). A refused section does not stop the
    others.
    """
    dataframe = _dask_dataframe()
    if spectrum_column not in sections.columns:
        raise ValueError(f"the sections have no column {spectrum_column!r} naming their spectra")
    all_settings = dict(settings, modulus_of_rupture=modulus_of_rupture)
    meta = _fatigue_partition(dataframe.utils.make_meta(sections), spectra, spectrum_column, all_settings)
    return sections.map_partitions(_fatigue_partition, spectra, spectrum_column, all_settings, meta=meta)
