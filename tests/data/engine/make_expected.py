#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Expected values of the closed-form edge model, the two-layer sections and the factor composition,
worked out independently of the program's C++ code from the formulas of each step.

Precision: every input and every result is a single-precision value; the arithmetic between them runs
in double precision and is rounded where a value is stored: the load P/2 and the equivalent radius a',
the radius of relative stiffness as the edge model keeps it for the radius and curling routines, L/l in
the curling routine, the temperature term ADT = 100000 dT alpha, the working values of a two-layer
section (x1, x2, h1e, h2e, he and its stress factor) and every result. Each routine forms l in double
precision from its own E, h, k and mu.

Rows (one a line, "name=value" words, inputs before "=>", expected values after it):
  model     the whole edge model on one case: its equivalent radius a' and its nine results;
  routines  the seven routines after the radius, each on the inputs of the row and the a' given there;
            both kinds also give l and ADT, which the driver forms and passes to the model;
  unbonded, bonded   the equivalent section of two layers;
  combs     the composition of the factors: the location, the options, the Westergaard stresses, the
            second layer factor, the curling stress and the factor each fitted model returns, giving the
            order in which the models are called and the twelve results.
The points take every branch; the script stops when one is missed. Regenerate with
    /usr/bin/python3 tests/data/engine/make_expected.py > tests/data/engine/worked_values.txt
"""

import ast
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from expected_values import altered, shortest, single  # noqa: E402

PI = 3.14159265
TAKEN = set()


def took(branch):
    TAKEN.add(branch)


def stiffness(E, h, k, mu):
    """The radius of relative stiffness l = (E h^3 / (12 (1 - mu^2) k))^0.25, in double precision."""
    return math.pow(E * h ** 3 / (12 * (1 - mu ** 2) * k), 0.25)


def edge_formula(P, h, E, k, a, mu):
    """The revised edge formula of Westergaard for a circular load of radius a at the slab edge."""
    P, h, E, k, a, mu = (single(v) for v in (P, h, E, k, a, mu))
    l = stiffness(E, h, k, mu)
    factor = 3 * (1 + mu) * P / (h ** 2 * PI * (mu + 3))
    bracket = (math.log(E * h ** 3 / (a ** 4 * (100 * k))) + 1.84 - mu * 4 / 3 + (1 - mu) / 2
               + (a / l) * (1.18 * (2 * mu + 1)))
    return single(factor * bracket)


# Two-layer sections.

def unbonded(h1, h2, E1, E2):
    he = single(math.pow(h1 ** 3 + (E2 / E1) * h2 ** 3, 1 / 3))
    return {"he": he, "factor": single(h1 / he)}


def bonded(h1, h2, E1, E2):
    x2 = single(0.5 * h1 * (h1 + h2) / (h1 + h2 * (E2 / E1)))
    x1 = single(0.5 * (h1 + h2) - x2)
    h1e = single(math.pow(h1 ** 3 + 12 * h1 * x1 ** 2, 1 / 3))
    h2e = single(math.pow(h2 ** 3 + 12 * h2 * x2 ** 2, 1 / 3))
    he = single(math.pow(h1e ** 3 + (E2 / E1) * h2e ** 3, 1 / 3))
    X = (E1 * h1 ** 2 / 2 + E2 * h2 * (h1 + h2 / 2)) / (E1 * h1 + E2 * h2)
    return {"x1": x1, "x2": x2, "h1e": h1e, "h2e": h2e, "he": he, "factor": single(2 * (h1 - X) / he)}


# The routines of the edge model. c is a case: the model's inputs by name.

TIRES_PER_SIDE = {"Single-Single": 1, "Dual-Single": 2, "Dual-Tandem": 4, "Dual-Tridem": 6}


def md_radius(c):
    l = single(c["l"])
    a0 = math.sqrt(c["P"] / (c["tp"] * (2 * TIRES_PER_SIDE[c["gear"]] * PI)))
    S, t = c["S"], c["t"]

    def f1():
        x, y, z = S / a0, a0 / l, S / l
        return (0.909 + 0.339485 * x - 0.017881 * x ** 2 + 0.000436 * x ** 3 + 0.103946 * y
                - 0.045229 * x ** 2 * y - 0.301805 * x * y ** 3 + 0.034664 * z ** 2 + 0.001 * x ** 3 * y)

    took(("MdRadius", c["gear"]))
    if c["gear"] == "Dual-Single":
        return single(f1() * a0)
    if c["gear"] == "Dual-Tandem":
        a1 = f1() * a0
        u, w = math.log(t / a1), math.log(a1 / l)
        g = (2.199479 + 0.548071 * u ** 2 + 0.74761 * u * w - 0.486597 * u ** 2 * w - 0.29507 * u ** 3
             - 0.028116 * w ** 3)
        return single(g * a1)
    if c["gear"] == "Dual-Tridem":
        T, X, y, U, Z = t / a0, S / a0, a0 / l, t / l, S / l
        f3 = (1.542864 + 5.465697 * y + 17.371416 * y ** 2 + 0.567442 * T - 0.704714 * Z - 2.61563 * U
              + 0.087538 * T * X - 0.000359 * T * X ** 2)
        return single(f3 * a0)
    return single(a0)


def slab_l(c):
    return stiffness(c["E1"], c["h1"], c["k"], c["mu"])


def single_wheel(c, a):
    return edge_formula(single(c["P"] / 2), c["h1"], c["E1"], c["k"], a, c["mu"])


def md_inf_slab(c, a):
    l = slab_l(c)
    r, q = min(a / l, 0.3), c["d"] / l
    took(("MdInfSlab", "r limited" if a / l > 0.3 else "r"))
    if q < 0.125:
        took(("MdInfSlab", "q < 0.125"))
        F = 1 - (0.2815 - 0.269353 * r) * q / 0.125
    elif q <= 3:
        took(("MdInfSlab", "0.125 <= q <= 3"))
        F = 0.269353 * r - 0.15743211 + 0.357644 / q - 0.0589073 / q ** 2 + 0.003486 / q ** 3
    else:
        took(("MdInfSlab", "q > 3"))
        F = 0
    return single((1 + F) * single_wheel(c, a))


def section(c):
    sections = {"Two Layer Unbonded": unbonded, "Two Layer Bonded": bonded}
    return sections[c["layer"]](c["h1"], c["h2"], c["E1"], c["E2"])


def md_layer(c, a):
    took(("MdLayer", c["layer"]))
    if c["layer"] == "One Layer":
        return 1.0
    s = section(c)
    top = edge_formula(single(c["P"] / 2), s["he"], c["E1"], c["k"], a, c["mu"])
    return single(s["factor"] * top / single_wheel(c, a))


def md_size(c, a):
    l = slab_l(c)
    r, x = a / l, c["L"] / l
    S = 0.582282 - 0.533078 * r + 0.181706 * x - 0.019824 * x ** 2 + 0.109051 * r * x
    took(("MdSize", "x <= 5" if x <= 5 else "x > 5", "S <= 1" if S <= 1 else "S > 1"))
    return single(S) if x <= 5 and S <= 1 else 1.0


def md_widened(c, a):
    if c["widened"] == "No":
        took(("MdWidened", "not widened"))
        return 1.0
    l = slab_l(c)
    r, q = a / l, (c["d0"] + 18) / l
    if q < 0.125:
        took(("MdWidened", "q < 0.125"))
        return single(1 - (0.440165 - 3.0896 * r + 15.7216 * r ** 2 - 27.592 * r ** 3) * q / 0.125)
    took(("MdWidened", "q limited" if q > 1.5 else "q"))
    q = min(q, 1.5)
    rho = r / q
    return single(0.013211 / q + 0.454147 + 0.386201 * rho - 0.24565 * rho ** 2 + 0.053891 * rho ** 3)


def md_tied(c, a):
    if c["tied"] == "No":
        took(("MdTied", "not tied"))
        return 1.0
    g, r = c["AGG_kl"], a / slab_l(c)
    if g <= 5:
        T = 1 - 0.025169 * g - 0.086034 * r * g
    else:
        v = math.log(g)
        T = 0.99864 - 0.51237 * r - 0.0762 * v + 0.00315 * v ** 2 + 0.015936 * (r * v) ** 2
    took(("MdTied", "g <= 5" if g <= 5 else "g > 5", "T <= 1" if T <= 1 else "T > 1"))
    return single(T) if T <= 1 else 1.0


def md_curl(c, a):
    l = single(c["l"])
    dT, E1, alpha, k = c["dT"], c["E1"], c["alpha"], c["k"]
    x0 = single(c["L"] / l)
    A = c["ADT"]
    lam = x0 / math.sqrt(8)
    cosh = (math.exp(lam) + math.exp(-lam)) / 2
    sinh = (math.exp(lam) - math.exp(-lam)) / 2
    C = 1 - 2 * math.cos(lam) * cosh / (math.sin(2 * lam) + 2 * sinh * cosh) * (math.tan(lam) + sinh / cosh)
    restrained = C * E1 * alpha * dT * 0.5
    x = 0.01 * x0
    F = (1.062 - 0.0157568 * A - 8.76e-05 * k - 1.068 * x + 0.387317 * A * x + 1.17e-11 * E1 * k * A
         - 1.81e-12 * E1 * k * A ** 2 - 1.051e-09 * E1 * k * A * x ** 2 + 1.84e-11 * E1 * k * A ** 2 * x
         - 1.7487 * A * x ** 2 + 3.435123724e-05 * A ** 3 + 86.97 * x ** 3
         - 0.008163966238498091 * A ** 2 * x)
    took(("MdCurl", "dT > 0" if dT > 0 else "dT < 0"))
    return single(restrained * F)


def md_bottom(c, a):
    took(("MdBottom", c["layer"]))
    if c["layer"] == "One Layer":
        return 0.0
    h1x, h2x = c["h1"], c["h2"]
    if c["layer"] == "Two Layer Bonded":
        s = bonded(c["h1"], c["h2"], c["E1"], c["E2"])
        h1x, h2x = s["h1e"], s["h2e"]
    E1, E2 = c["E1"], c["E2"]
    l2 = stiffness(E2, h2x, c["k"], c["mu"])
    R = 1 + E1 * h1x ** 3 / (E2 * h2x ** 3)
    F = 0.12565 * a / l2 + 0.0137 + 1.06302 / R
    return single(F * edge_formula(single(c["P"] / 2), h2x, E2, c["k"], a, c["mu"]))


ROUTINES = [("MdEdgeInfSlab", md_inf_slab), ("MdSecondLayer", md_layer), ("MdSlabSize", md_size),
            ("MdWidenedLane", md_widened), ("MdTiedShoulder", md_tied), ("MdCurlStress", md_curl),
            ("MdBottomLayerStress", md_bottom)]


def edge_stress_model(c):
    a = md_radius(c)
    r = {"a'": a, "MdEdgeInfSlab": md_inf_slab(c, a), "MdSecondLayer": md_layer(c, a),
         "MdSlabSize": md_size(c, a), "MdWidenedLane": md_widened(c, a), "MdTiedShoulder": md_tied(c, a)}
    took(("EdgeStressModel", "dT = 0" if c["dT"] == 0 else "curl"))
    r["MdCurlStress"] = md_curl(c, a) if c["dT"] != 0 else 0.0
    r["MdTopLayerStress"] = single(r["MdEdgeInfSlab"] * r["MdSecondLayer"] * r["MdSlabSize"]
                                   * r["MdTiedShoulder"] * r["MdWidenedLane"])
    r["MdCombinedStress"] = single(r["MdCurlStress"] + r["MdTopLayerStress"])
    r["MdBottomLayerStress"] = md_bottom(c, a)
    return r


def routines(c):
    return {name: routine(c, c["a'"]) for name, routine in ROUTINES}


# The factor composition.

WESTERGAARD_STRESS = {"Edge": "SlabEdgeStress", "Corner": "SlabCornerStress",
                      "Interior": "SlabInteriorStress"}


def combs(c):
    gear = c["gear"]
    calls, r = [], {}
    if gear.startswith("Dual"):
        calls.append("dual")
    if gear.endswith("Tandem") or gear.endswith("Tridem"):
        calls.append(gear.split("-")[1].lower())
    if gear == "Single-Single":
        r["GearFactor"] = 1.0
    elif len(calls) == 1:
        r["GearFactor"] = c[calls[0]]
    else:
        r["GearFactor"] = single(c["dual"] * c[calls[1]])
    r["TiedFactor"], r["WidenedFactor"] = 1.0, 1.0
    if c["tied"] == "Yes":
        calls.append("tied_model")
        r["TiedFactor"] = c["tied_model"]
    if c["widened"] == "Yes":
        calls.append("widen")
        r["WidenedFactor"] = c["widen"]
    calls += ["size", "other", "size_los", "curl"]
    r["SlabSizeFactor"] = c["size"]
    r["OtherWheelsFactor"] = single(2 * c["other"])
    sigma = c[WESTERGAARD_STRESS[c["location"]]]
    r["WestergaardStress"] = sigma
    r["InfiniteSlabStress"] = single(r["OtherWheelsFactor"] * (r["GearFactor"] * sigma))
    r["SlabSizeLosFactor"] = c["size_los"]
    r["LoadCurlFactor"] = c["curl"]
    adjusted = r["InfiniteSlabStress"] * c["SecondLayerFactor"] * r["TiedFactor"] * r["WidenedFactor"]
    r["LoadingStressOnly"] = single(adjusted * r["SlabSizeFactor"])
    r["LoadingStressLos"] = single(adjusted * r["SlabSizeLosFactor"])
    loading = r["LoadingStressOnly"] if c["location"] == "Edge" else r["LoadingStressLos"]
    r["CombinedStress"] = single(c["CurlStress"] * r["LoadCurlFactor"] + loading)
    took(("combs", c["location"], gear))
    return {"calls": ",".join(calls), **r}


# The points.

SLAB = {"h1": 9, "L": 180, "tp": 100, "k": 150, "P": 18000, "dT": 20, "alpha": 5.5e-06, "mu": 0.15,
        "E1": 4000000, "E2": 500000, "h2": 6, "d": 72, "S": 12, "t": 50, "d0": 20, "AGG_kl": 2.5,
        "gear": "Dual-Single", "layer": "One Layer", "tied": "No", "widened": "No"}

MODEL_CASES = [
    {"gear": "Single-Single", "dT": 0},
    {"gear": "Dual-Single", "layer": "Two Layer Bonded", "tied": "Yes", "widened": "Yes", "d": 5},
    {"gear": "Dual-Tandem", "layer": "Two Layer Unbonded", "tied": "Yes", "AGG_kl": 120, "dT": -12,
     "h1": 7.5, "k": 80, "L": 300, "d": 200},
    {"gear": "Dual-Tridem", "widened": "Yes", "dT": 8, "d0": 60, "S": 14, "t": 52},
    {"gear": "Dual-Single", "layer": "Two Layer Unbonded", "widened": "Yes", "dT": -5, "h1": 12,
     "E2": 2000000, "h2": 4},
    {"gear": "Dual-Tandem", "layer": "Two Layer Bonded", "tied": "Yes", "widened": "Yes", "dT": 30,
     "AGG_kl": 4.2, "L": 144},
    {"gear": "Single-Single", "layer": "Two Layer Unbonded", "tied": "Yes", "AGG_kl": 800, "dT": 15},
    {"gear": "Dual-Tridem", "layer": "Two Layer Bonded", "tied": "Yes", "widened": "Yes", "dT": -20,
     "h1": 10, "k": 250, "L": 240, "AGG_kl": 35, "tp": 120},
    {"gear": "Dual-Tridem", "h1": 5, "E1": 3000000, "k": 500, "tp": 20, "P": 30000},
    {"gear": "Dual-Single", "h1": 5, "E1": 3000000, "k": 500, "tp": 20, "P": 40000},
]

# Each routine on its own, with the equivalent radius a' chosen to reach its branches and the sides of
# its limits.
ROUTINE_CASES = [
    {"a'": 6, "d": 2, "L": 178, "dT": 20},
    {"a'": 12, "layer": "Two Layer Unbonded", "L": 360, "widened": "Yes", "d0": 0, "tied": "Yes",
     "AGG_kl": 3.2, "dT": -15},
    {"a'": 21.5, "d": 125, "layer": "Two Layer Bonded", "L": 178.5, "widened": "Yes", "d0": 37, "tied": "Yes",
     "AGG_kl": 200},
    {"a'": 168, "h1": 30, "E1": 7000000, "k": 20, "d0": 2.9, "widened": "Yes", "tied": "Yes", "AGG_kl": 50000,
     "L": 600, "d": 30, "dT": 10},
    {"a'": 11, "d": 4.47, "layer": "Two Layer Bonded", "L": 197, "widened": "Yes", "d0": 34, "tied": "Yes",
     "AGG_kl": 5.5, "dT": -8},
    {"a'": 20, "h1": 30, "E1": 7000000, "k": 20, "d": 21.1, "layer": "Two Layer Unbonded", "L": 900,
     "widened": "Yes", "d0": 3.1, "tied": "Yes", "AGG_kl": 4.5, "dT": 5},
]

SECTIONS = [
    ("unbonded", 9, 6, 4000000, 500000), ("unbonded", 8, 0, 4000000, 500000),
    ("unbonded", 10, 5, 4200000, 3000000), ("bonded", 9, 6, 4000000, 500000),
    ("bonded", 8, 4, 4000000, 4000000), ("bonded", 7, 3, 4000000, 0), ("bonded", 12, 10, 3500000, 25000),
]

COMBS = [
    # location, gear, tied, widened, curling stress
    ("Edge", "Single-Single", "No", "No", 95.5),
    ("Edge", "Dual-Tandem", "Yes", "Yes", -40.25),
    ("Edge", "Single-Tridem", "No", "Yes", 0),
    ("Corner", "Single-Tandem", "Yes", "No", 211.75),
    ("Corner", "Dual-Tridem", "No", "No", 150.125),
    ("Corner", "Dual-Single", "Yes", "Yes", -12.5),
    ("Interior", "Dual-Single", "No", "No", 130.5),
    ("Interior", "Dual-Tridem", "Yes", "Yes", 88.0),
    ("Interior", "Single-Tandem", "No", "Yes", -60.75),
]

# The factors the fitted models return, and the driver's stresses, the same in every composition row.
FACTORS = {"dual": 0.62063, "tandem": 0.458052, "tridem": 0.306625, "tied_model": 0.84889, "widen": 0.569535,
           "size": 0.99547, "other": 0.51712, "size_los": 1.0372, "curl": 0.927904,
           "SlabEdgeStress": 361.94, "SlabCornerStress": 245.6, "SlabInteriorStress": 186.91,
           "SecondLayerFactor": 0.8125}


def row(kind, inputs, results):
    """Inputs as written (l in double precision), results in the fewest digits that read back."""
    def text(value):
        return value.replace(" ", "_") if isinstance(value, str) else repr(value)

    words = ["%s=%s" % (name, text(value)) for name, value in inputs.items()] + ["=>"]
    for name, value in results.items():
        words.append("%s=%s" % (name, text(value) if name == "calls" else shortest(single(value))))
    return kind + " " + " ".join(words)


def edge_case(changes):
    """The inputs as written, and the case in single precision, both with the two values the driver
    forms for the model: the radius of relative stiffness l and the temperature term ADT."""
    written = {**SLAB, **changes}
    c = {name: (value if isinstance(value, str) else single(value)) for name, value in written.items()}
    written["l"] = c["l"] = slab_l(c)
    written["ADT"] = c["ADT"] = single(10.0 ** 5 * c["dT"] * c["alpha"])
    return written, c


NEEDED = ({("MdRadius", gear) for gear in TIRES_PER_SIDE}
          | {("MdInfSlab", piece) for piece in ("r", "r limited", "q < 0.125", "0.125 <= q <= 3", "q > 3")}
          | {(name, layer) for name in ("MdLayer", "MdBottom")
             for layer in ("One Layer", "Two Layer Unbonded", "Two Layer Bonded")}
          | {("MdSize", "x <= 5", "S <= 1"), ("MdSize", "x <= 5", "S > 1"), ("MdSize", "x > 5", "S <= 1")}
          | {("MdWidened", piece) for piece in ("not widened", "q < 0.125", "q", "q limited")}
          | {("MdTied", "not tied"), ("MdTied", "g <= 5", "T <= 1"), ("MdTied", "g > 5", "T <= 1"),
             ("MdTied", "g > 5", "T > 1")}
          | {("MdCurl", "dT > 0"), ("MdCurl", "dT < 0"), ("EdgeStressModel", "dT = 0"),
             ("EdgeStressModel", "curl")}
          | {("combs", location, gear) for location, gear, _, _, _ in COMBS})


def table():
    rows = []
    for changes in MODEL_CASES:
        written, c = edge_case(changes)
        rows.append(row("model", written, edge_stress_model(c)))
    for changes in ROUTINE_CASES:
        written, c = edge_case(changes)
        rows.append(row("routines", written, routines(c)))
    for kind, h1, h2, E1, E2 in SECTIONS:
        inputs = {"h1": h1, "h2": h2, "E1": E1, "E2": E2}
        section_of = {"unbonded": unbonded, "bonded": bonded}[kind]
        rows.append(row(kind, inputs, section_of(*(single(value) for value in inputs.values()))))
    for location, gear, tied, widened, curl in COMBS:
        written = {"location": location, "gear": gear, "tied": tied, "widened": widened, "CurlStress": curl,
                   **FACTORS}
        c = {name: (value if isinstance(value, str) else single(value)) for name, value in written.items()}
        rows.append(row("combs", written, combs(c)))
    return rows


FORMULAS = ["PI", "TIRES_PER_SIDE", "stiffness", "edge_formula", "unbonded", "bonded", "md_radius",
            "slab_l", "single_wheel", "md_inf_slab", "md_layer", "md_size", "md_widened", "md_tied",
            "md_curl", "md_bottom", "edge_stress_model", "combs"]


def unseen_slips(rows):
    """Every number written in the formulas above, changed by a slip of one digit: the slips that leave
    every row as it was."""
    source = open(os.path.abspath(__file__)).read()
    tree = ast.parse(source)
    unseen = []
    for part in tree.body:
        names = [part.name] if isinstance(part, ast.FunctionDef) else [
            target.id for target in getattr(part, "targets", []) if isinstance(target, ast.Name)]
        if not set(names) & set(FORMULAS):
            continue
        bookkeeping = {id(inner) for call in ast.walk(part) if isinstance(call, ast.Call)
                       and getattr(call.func, "id", "") == "took" for inner in ast.walk(call)}
        for node in ast.walk(part):
            if type(getattr(node, "value", None)) not in (int, float) or id(node) in bookkeeping:
                continue
            text, kept = ast.get_source_segment(source, node), node.value
            for slip in altered(text):
                node.value = type(kept)(float(slip))
                scope = {"__name__": "slipped", "__file__": __file__}
                try:
                    exec(compile(tree, __file__, "exec"), scope)
                    seen = scope["table"]() != rows
                except Exception:  # a slip that breaks a formula is seen
                    seen = True
                if not seen:
                    unseen.append("%s: %s as %s (line %d)" % (names[0], text, slip, node.lineno))
            node.value = kept
    return unseen


def main():
    rows = table()
    if NEEDED - TAKEN:
        sys.exit("no point takes %s" % sorted(NEEDED - TAKEN))
    print("# Generated by make_expected.py in this folder; regenerate with")
    print("#     /usr/bin/python3 tests/data/engine/make_expected.py > tests/data/engine/worked_values.txt")
    print("# Each row: its kind, its inputs (l in double precision; underscores in option words stand for")
    print("# spaces), =>, the expected values in single precision, in the fewest digits that read back.")
    unseen = unseen_slips(rows)
    if unseen:
        print("# Slips of one digit in the formulas that change no value of the rows:")
        print("\n".join("#   " + slip for slip in unseen))
    print("\n".join(rows))


if __name__ == "__main__":
    main()
