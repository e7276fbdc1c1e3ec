# SPDX-License-Identifier: Apache-2.0
"""KORVANEX for notebooks and scripts: the critical tensile stress in a jointed concrete slab.

The module computes what the command-line tool korvanex-cli computes, with the same values and the
same messages, and takes and gives pandas tables:

    analyse(case=None, **fields)      every result of one case (korvanex-cli json)
    read_case(path), write_case(...)  the .DEF case files
    batch(table, jobs=None)           one case per row of a table, on every core (korvanex-cli batch)
    fatigue(case, spectrum, mr, ...)  the fatigue damage of a traffic spectrum and the slab thickness
                                      that carries it (korvanex-cli fatigue)
    reliability(case, spectrum, mr, scatter=..., ...)
                                      the probability that the slab fails, by simulating the
                                      scatter of its inputs (korvanex-cli reliability --json)
    plate(case=None, **fields)        the case solved with the plate finite-element model
                                      (korvanex-cli plate --json)
    read_design(path), write_design(...)
                                      the .kvx design files
    korvanex.dask                     batch and fatigue_many on a Dask cluster

A case is a mapping in the vocabulary of a batch file's columns: units (english, metric), location
(interior, edge, corner), gear (single-single, single-tandem, single-tridem, dual-single,
dual-tandem, dual-tridem), layer (one, bonded, unbonded), tied and widened (yes, no, or a bool), and
the numeric fields P tp S t d h1 h2 E1 E2 mu1 r1 L W k AGG d0 F alp, as numbers or texts. Names are
read in any case. A field that is missing, None or pandas' missing value takes the default of the
case's unit system (English unless units is metric). Results are in the case's units: psi and
inches, or kPa and cm.

Errors: InputError (a ValueError) for what the tool refuses, with the tool's message; FaultError (a
FloatingPointError) when the computation of a case stops on a floating-point fault; a RangeWarning
names a value outside its typical data range, and the case is computed.

>>> import korvanex
>>> round(korvanex.analyse(h1=10)["CombinedStress"], 1)
224.2
"""

from korvanex._korvanex import FaultError, InputError, RangeWarning, __version__
from korvanex._batch import batch
from korvanex._case import analyse, read_case, write_case
from korvanex._fatigue import FatigueResult, fatigue
from korvanex._reliability import reliability
from korvanex._plate import plate
from korvanex._design import read_design, write_design

__all__ = [
    "analyse",
    "read_case",
    "write_case",
    "batch",
    "fatigue",
    "FatigueResult",
    "reliability",
    "plate",
    "read_design",
    "write_design",
    "InputError",
    "FaultError",
    "RangeWarning",
]
