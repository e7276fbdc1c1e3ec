# SPDX-License-Identifier: Apache-2.0
# The compiled part of the package; the package's modules wrap it and document each function.
from typing import Any

import numpy
import numpy.typing

__version__: str

class InputError(ValueError): ...
class FaultError(FloatingPointError): ...
class RangeWarning(UserWarning): ...

# A column as korvanex._table.columns_of hands it over: float64 numbers, or any values.
Column = numpy.typing.NDArray[numpy.float64] | numpy.typing.NDArray[numpy.object_]

def analyse(fields: dict[Any, Any]) -> dict[str, float]: ...
def read_case(path: str) -> dict[str, str]: ...
def write_case(fields: dict[Any, Any], path: str) -> None: ...
def batch(
    names: list[str], columns: list[Column], rows: int, jobs: int | None
) -> tuple[
    list[str],
    list[str],
    list[str],
    numpy.typing.NDArray[numpy.float64],
    list[tuple[str, numpy.typing.NDArray[numpy.float64] | list[str]]],
]: ...
def fatigue(
    fields: dict[Any, Any],
    names: list[str],
    columns: list[Column],
    rows: int,
    settings: dict[str, Any],
    solve_thickness: bool,
) -> dict[str, Any]: ...
def reliability(
    fields: dict[Any, Any],
    names: list[str],
    columns: list[Column],
    rows: int,
    settings: dict[str, Any],
    scatter: list[str],
    samples: int,
    seed: int,
    reliability: float | None,
    jobs: int | None,
    histogram: str | None,
) -> str: ...
def plate(
    fields: dict[Any, Any], shoulder_width: float | None, mesh: str, load: str, svg: str | None
) -> str: ...
def read_design(path: str) -> dict[str, Any]: ...
def write_design(
    fields: dict[Any, Any],
    spectrum: tuple[list[str], list[Column], int] | None,
    traffic: dict[str, float] | None,
    fatigue: dict[str, Any] | None,
    reliability: dict[str, Any] | None,
    path: str,
) -> None: ...
