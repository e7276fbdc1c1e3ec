# SPDX-License-Identifier: Apache-2.0
"""Tables and cases as the compiled module takes them."""

from __future__ import annotations

from collections.abc import Mapping
from typing import TYPE_CHECKING, Any

import numpy

if TYPE_CHECKING:
    import pandas

PANDAS_NEEDED = "korvanex needs pandas for its tables: install python3-pandas (or pip install pandas)"


def pandas_module() -> Any:
    """pandas, or an ImportError that says what to install."""
    try:
        import pandas
    except ImportError as error:
        raise ImportError(PANDAS_NEEDED) from error
    return pandas


def frame_of(table: Any) -> pandas.DataFrame:
    """The table as a DataFrame: a DataFrame as it is, a mapping of columns as pandas reads it."""
    pandas = pandas_module()
    if isinstance(table, pandas.DataFrame):
        return table
    if not isinstance(table, Mapping):
        raise TypeError(f"a table is a pandas DataFrame or a mapping of columns, not {type(table).__name__}")
    return pandas.DataFrame(table)


def columns_of(frame: pandas.DataFrame) -> tuple[list[str], list[Any]]:
    """The column names and the columns: a numeric column as float64 (pandas' missing value for a
    missing cell), any other as an object array (None for a missing cell of pandas' own types)."""
    types = pandas_module().api.types
    names = [str(name) for name in frame.columns]
    columns: list[Any] = []
    for position in range(frame.shape[1]):
        column = frame.iloc[:, position]
        if types.is_numeric_dtype(column.dtype) and not types.is_bool_dtype(column.dtype):
            columns.append(column.to_numpy(dtype=numpy.float64, na_value=numpy.nan))
        elif types.is_extension_array_dtype(column.dtype):
            columns.append(column.to_numpy(dtype=object, na_value=None))
        else:
            columns.append(column.to_numpy(dtype=object))
    return names, columns


def joined(frame: pandas.DataFrame, computed: pandas.DataFrame) -> pandas.DataFrame:
    """The table's own columns, copied, in front of the computed ones, which stay as they are (a
    block of results is not copied). The index is the table's."""
    for position in range(frame.shape[1]):
        computed.insert(position, frame.columns[position], frame.iloc[:, position])
    return computed


def fields_of(case: Any, fields: Mapping[str, Any]) -> dict[Any, Any]:
    """The fields of a case given as a mapping (or a pandas Series) and keywords, the keywords last."""
    if case is None:
        merged: dict[Any, Any] = {}
    elif isinstance(case, Mapping) or hasattr(case, "keys"):
        merged = dict(case)
    else:
        raise TypeError(f"a case is a mapping of batch columns to values, not {type(case).__name__}")
    merged.update(fields)
    return merged
