#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Expected factors of the fitted factor models, worked out independently of the program's C++ code.

Each model is written here on its own, not taken from the C++ code: the clamp ranges of its ratios,
the formulas of its derived inputs, its coefficient rows and its evaluator, with single-precision
rounding wherever the program stores a value. For every model the script picks a handful of ratio sets from a candidate
pool so that together they
  * take every piece of every ridge term,
  * put each ratio below and above its range (the clamped value written back is part of the row),
  * and reveal a wrong digit in any coefficient: every nonzero coefficient is altered in its last
    digit (up and down) and by swapping its last two digits, and one of the chosen sets must move
    the factor by at least DETECTION_ULPS units in the last place of a single-precision value (of 1
    for factors below 1), where the test allows TOLERANCE_ULPS; where no set can do that, by more than
    the tolerance, and the slips that no set moves by more than the tolerance are listed in the output.
It fails when a piece or a side of a range cannot be reached, and checks itself against the factors
at the common ratio set (to six significant digits).

Regenerate tests/data/models/expected_factors.txt with:
    python3 tests/data/models/make_expected.py > tests/data/models/expected_factors.txt
The output is deterministic (a fixed random seed).
"""

import math
import os
import random
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from expected_values import altered, shortest, single  # noqa: E402

DETECTION_ULPS = 4
TOLERANCE_ULPS = 2


def ulp(x):
    """The spacing of single-precision values at x, or at 1 for x below 1: the unit in which the test
    compares factors."""
    x = max(abs(single(x)), 1.0)
    bits = struct.unpack("I", struct.pack("f", x))[0]
    above = struct.unpack("f", struct.pack("I", bits + 1))[0]
    return above - x


def log10(x):
    return math.log(x) / math.log(10.0)


def sqrt(x):
    return math.sqrt(x)


def clip(x, lo, hi):
    if x < lo:
        return lo
    if x <= hi:
        return x
    return hi


def project(model_inputs, weights):
    projections = []
    for row in weights:
        z = 0.0
        for x, w in zip(model_inputs, row):
            z = single(x * w + z)
        projections.append(z)
    return projections


def ridge(z, coefficients):
    g = 0.0
    for power, c in enumerate(coefficients):
        g = single(math.pow(z, power) * c + g)
    return g


def combine(output, ridges):
    """B1 g1 + B0 + B2 g2 + B3 g3, summed in that order in double precision, rounded once."""
    terms = list(ridges) + [0.0] * (3 - len(ridges))
    b = list(output) + [0.0] * (4 - len(output))
    return single(b[1] * terms[0] + b[0] + b[2] * terms[1] + b[3] * terms[2])


def ppr_eval(model_inputs, weights, output, knots, pieces):
    """Two-piece terms: piece 2 strictly above the knot unless the term is a single piece."""
    ridges, taken = [], []
    for term, z in enumerate(project(model_inputs, weights), start=1):
        knot, single_piece = knots[term - 1]
        piece = 2 if z > knot and not single_piece else 1
        taken.append((term, piece))
        ridges.append(ridge(z, pieces.get((term, piece), [])))
    return combine(output, ridges), taken


def ppr_eval3(model_inputs, weights, output, knots, pieces):
    """Three-piece terms: piece 1 up to the lower knot, piece 2 up to the upper knot, piece 3 above."""
    ridges, taken = [], []
    for term, z in enumerate(project(model_inputs, weights), start=1):
        lower, upper = knots[term - 1]
        piece = 1 if z <= lower else (2 if z <= upper else 3)
        taken.append((term, piece))
        ridges.append(ridge(z, pieces.get((term, piece), [])))
    return combine(output, ridges), taken


class FittedModel:
    """A model of the common form, its coefficients kept as the decimal texts of its rows."""

    def __init__(self, arguments, clamps, inputs, evaluator, weights, output, knots, pieces):
        self.arguments = arguments
        self.clamps = clamps
        self.inputs = inputs
        self.evaluator = evaluator
        self.texts = {}
        for term, row in enumerate(weights, start=1):
            for i, text in enumerate(row, start=1):
                self.texts[("w", term, i)] = text
        for j, text in enumerate(output):
            self.texts[("B", j)] = text
        for term, knot in enumerate(knots, start=1):
            if isinstance(knot[1], bool):
                self.texts[("K", term, 1)] = knot[0]
                self.texts[("one", term)] = knot[1]
            else:
                self.texts[("K", term, 1)] = knot[0]
                self.texts[("K", term, 2)] = knot[1]
        for term, piece, row in pieces:
            for p, text in enumerate(row):
                self.texts[("c", term, piece, p)] = text
        self.terms = len(weights)
        self.piece_keys = sorted({(t, q) for t, q, _ in pieces})

    def evaluate(self, ratios, texts=None):
        texts = texts or self.texts
        v = {name: single(value) for name, value in ratios.items()}
        for name, lo, hi in self.clamps:
            v[name] = clip(v[name], single(lo), single(hi))
        scope = {"log10": log10, "sqrt": sqrt, **v}
        model_inputs = []
        for number, formula in enumerate(self.inputs, start=1):
            scope["X%d" % number] = single(eval(formula, scope))
            model_inputs.append(scope["X%d" % number])
        value = lambda key: single(float(texts[key])) if key in texts else 0.0
        weights = [[value(("w", t, i)) for i in range(1, len(model_inputs) + 1)]
                   for t in range(1, self.terms + 1)]
        output = [value(("B", j)) for j in range(self.terms + 1)]
        if self.evaluator is ppr_eval:
            knots = [(value(("K", t, 1)), texts[("one", t)]) for t in range(1, self.terms + 1)]
        else:
            knots = [(value(("K", t, 1)), value(("K", t, 2))) for t in range(1, self.terms + 1)]
        pieces = {(t, q): [value(("c", t, q, p)) for p in range(6)] for t, q in self.piece_keys}
        factor, taken = self.evaluator(model_inputs, weights, output, knots, pieces)
        return factor, [v[name] for name in self.arguments], taken


class EdgeSize:
    """The slab size factor at the edge: a closed formula with double-precision constants."""

    arguments = ["a_l", "L_l", "W_l"]
    clamps = [("a_l", 0.05, 0.3), ("L_l", 2, 7), ("W_l", 2, 7)]
    piece_keys = []
    texts = {
        "u1_L": "0.331", "u1_a": "0.9436", "q1_c": "0.0345", "q1_p": "3.3043", "q1_d": "0.2029",
        "q1_s": "4.0308", "f1_m": "0.07986", "f1_a": "0.9399", "u2_a": "0.9951", "u2_W": "0.09856",
        "q2_m": "1.654", "q2_p": "10.7412", "q2_s": "0.5344", "f2_m": "0.01214", "f2_a": "1.00477",
    }

    def evaluate(self, ratios, texts=None):
        k = {key: float(text) for key, text in (texts or self.texts).items()}
        v = {name: single(value) for name, value in ratios.items()}
        for name, lo, hi in self.clamps:
            v[name] = clip(v[name], single(lo), single(hi))
        if v["W_l"] > v["L_l"]:
            v["W_l"], v["L_l"] = v["L_l"], v["W_l"]
        a, L, W = v["a_l"], v["L_l"], v["W_l"]
        u1 = single(k["u1_L"] * L - k["u1_a"] * a)
        q1 = single(1 / (k["q1_c"] * math.pow(u1, -k["q1_p"]) + k["q1_d"]) - k["q1_s"])
        f1 = single(k["f1_m"] * q1 + k["f1_a"])
        u2 = single(k["u2_a"] * a - k["u2_W"] * W)
        q2 = single(k["q2_m"] * math.pow(1 - u2, -k["q2_p"]) - k["q2_s"])
        f2 = single(k["f2_m"] * q2 + k["f2_a"])
        return single(f1 * f2), [v[name] for name in self.arguments], []


class Delegate:
    """A model that returns what another model returns for the same ratios."""

    def __init__(self, target, arguments):
        self.target = target
        self.arguments = arguments
        self.clamps = target.clamps
        self.piece_keys = target.piece_keys
        self.texts = {}

    def evaluate(self, ratios, texts=None):
        renamed = dict(zip(self.target.arguments, (ratios[name] for name in self.arguments)))
        return self.target.evaluate(renamed)


class Unity:
    """The factor 1; the ratios are neither read nor clamped."""

    arguments = ["AGG_kl", "a_l"]
    clamps = []
    piece_keys = []
    texts = {}

    def evaluate(self, ratios, texts=None):
        return 1.0, [single(ratios[name]) for name in self.arguments], []


MODELS = {}

MODELS["edge_tied"] = FittedModel(
    arguments=["AGG_kl", "a_l"],
    clamps=[("a_l", 0.05, 0.5), ("AGG_kl", 0, 50000)],
    inputs=[
        "log10(AGG_kl + 1)",
        "10 * a_l",
        "X1 * X1",
        "X2 * X2",
        "X1 * X2",
        "X1 / X2",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.96616", "-0.14766", "0.09408", "0.02047", "-0.18758", "-0.01668"],
        ["-0.3609", "0.91982", "0.05545", "-0.134", "0.0372", "-0.03558"],
    ],
    output=["0.60162", "0.159676", "0.01166"],
    knots=[("-4", False), ("1", False)],
    pieces=[
        (1, 1, ["-0.158", "0.183", "0.015", "0"]),
        (1, 2, ["2.637", "1.113", "-0.106", "-0.046"]),
        (2, 1, ["-1.229", "1.776", "-0.169", "0"]),
        (2, 2, ["-1.565", "2.328", "-0.378", "0"]),
    ],
)

MODELS["edge_widen"] = FittedModel(
    arguments=["D0_l", "a_l"],
    clamps=[("a_l", 0.1, 0.4), ("D0_l", 0, 2)],
    inputs=[
        "D0_l",
        "a_l",
        "D0_l / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.98868", "-0.12214", "-0.08717"],
        ["0.19802", "0.98019", "0.00305"],
    ],
    output=["0.61711", "0.15373", "0.02504"],
    knots=[("-2.5", False), ("0.5", False)],
    pieces=[
        (1, 1, ["0.693", "1.279", "0.369", "0.037", "0"]),
        (1, 2, ["2.839", "8.234", "8.158", "3.608", "0.576"]),
        (2, 1, ["-2.285", "5.921", "-6.001", "7.743", "0"]),
        (2, 2, ["-3.008", "4.693", "4.334", "-2.167", "0"]),
    ],
)

MODELS["edge_dual"] = FittedModel(
    arguments=["s_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("s_l", 0.2, 4)],
    inputs=[
        "s_l",
        "a_l",
        "s_l * a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.75995", "0.64713", "-0.06082"],
        ["-0.03466", "-0.82967", "0.55718"],
    ],
    output=["0.56197", "0.09005", "0.00597"],
    knots=[("-1.5", False), ("0", False)],
    pieces=[
        (1, 1, ["0.32375", "0.73128", "0.12928", "0", "0"]),
        (1, 2, ["3.03815", "7.24759", "5.80453", "1.70083", "0"]),
        (2, 1, ["1.01832", "108.7979", "2079.976", "11522.38", "18645.37"]),
        (2, 2, ["0.1775", "-0.93117", "9.31273", "-28.6173", "28.57623"]),
    ],
)

MODELS["edge_tandem"] = FittedModel(
    arguments=["t_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("t_l", 0, 4)],
    inputs=[
        "t_l",
        "a_l",
        "t_l * a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.5102", "0.86005", "-0.00114"],
        ["-0.04868", "-0.9528", "0.29966"],
    ],
    output=["0.51721", "0.17298", "0.02722"],
    knots=[("-0.3", False), ("0", True)],
    pieces=[
        (1, 1, ["-0.079", "0.839", "0.368", "0"]),
        (1, 2, ["1.632", "8.353", "-0.358", "-30.793"]),
        (2, 1, ["2.553", "14.88", "0", "0"]),
    ],
)

MODELS["edge_tridem"] = FittedModel(
    arguments=["t_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("t_l", 0, 3)],
    inputs=[
        "t_l",
        "a_l",
        "t_l * a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.74449", "0.63504", "0.20606"],
        ["-0.06053", "-0.95139", "0.30198"],
    ],
    output=["0.44084", "0.24238", "0.0231"],
    knots=[("-0.4", False), ("-0.2", False)],
    pieces=[
        (1, 1, ["-0.019", "1.06", "0.371", "0"]),
        (1, 2, ["1.594", "6.322", "-3.323", "-21.337"]),
        (2, 1, ["3.792", "17.087", "-0.712", "0"]),
        (2, 2, ["1.313", "6.666", "38.682", "154.194"]),
    ],
)

MODELS["edge_size_los"] = FittedModel(
    arguments=["W_l", "L_l", "ADT", "DG"],
    clamps=[("L_l", 3, 15), ("W_l", 3, 15), ("ADT", 5.5, 22), ("DG", 0.78, 11.03)],
    inputs=[
        "W_l",
        "L_l",
        "ADT",
        "DG",
        "log10(DG)",
        "L_l * DG",
    ],
    evaluator=ppr_eval3,
    weights=[
        ["0.00656", "0.09886", "-0.02621", "-0.01857", "0.99456", "0.00129"],
        ["-0.00306", "0.01649", "0.02163", "0.01336", "-0.99953", "0.00413"],
    ],
    output=["0.88369", "0.22005", "0.02383"],
    knots=[("0.85", "1.5"), ("-0.2", "0.6")],
    pieces=[
        (1, 1, ["-2.8903", "2.7825", "1.2565"]),
        (1, 2, ["-2.4275", "4.9285", "-1.9459"]),
        (1, 3, ["0.8111", "-0.1409", "0"]),
        (2, 1, ["2.3228", "-3.8187", "-52.8964"]),
        (2, 2, ["-0.1891", "-0.2237", "6.3312"]),
        (2, 3, ["25.7909", "-58.8336", "32.4322"]),
    ],
)

MODELS["edge_curl"] = FittedModel(
    arguments=["W_l", "L_l", "ADT", "a_l", "DP", "DG"],
    clamps=[("a_l", 0.05, 0.3), ("L_l", 3, 11), ("W_l", 3, 11), ("ADT", 5.5, 22), ("DG", 1.06, 9.93), ("DP", 2.61, 140.74)],
    inputs=[
        "W_l",
        "L_l",
        "ADT",
        "a_l",
        "DG",
        "DP",
        "a_l * L_l",
        "L_l * ADT",
        "L_l * DG",
        "W_l * DG",
    ],
    evaluator=ppr_eval3,
    weights=[
        ["-0.04724", "0.56954", "-0.08408", "0.20033", "-0.26647", "0.00375", "0.73881", "-0.01142", "0.0953", "0.01121"],
        ["0.03869", "0.35781", "0.09078", "-0.04054", "0.86388", "0.01635", "-0.31246", "0.00552", "-0.12677", "-0.01765"],
        ["0.58567", "0.25804", "0.14784", "0.14984", "0.12743", "-0.05012", "0.72295", "-0.0131", "-0.01304", "-0.06591"],
    ],
    output=["0.94825", "0.15054", "0.03724", "0.03395"],
    knots=[("3", "7"), ("3", "7"), ("-1", "0.5")],
    pieces=[
        (1, 1, ["-2.5575", "0.8003", "0"]),
        (1, 2, ["-2.6338", "1.1038", "-0.0914"]),
        (1, 3, ["0.7564", "-0.0155", "0"]),
        (2, 1, ["-0.6788", "0.0107", "0"]),
        (2, 2, ["3.7674", "-2.297", "0.2963"]),
        (2, 3, ["-7.0337", "1.2945", "0"]),
        (3, 1, ["4.0843", "4.8241", "0"]),
        (3, 2, ["0.1815", "0.0541", "-1.0899"]),
        (3, 3, ["0.0453", "0.0383", "0"]),
    ],
)

MODELS["corner_tied"] = FittedModel(
    arguments=["AGG_kl", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("AGG_kl", 0, 50000)],
    inputs=[
        "log10(AGG_kl + 1)",
        "a_l",
        "X1 * a_l",
        "X1 / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.531", "0.636", "-0.56", "0.00192"],
        ["-0.176", "-0.682", "0.71", "0.00639"],
    ],
    output=["0.7543", "0.1887", "0.0184"],
    knots=[("-2.55", False), ("0", True)],
    pieces=[
        (1, 1, ["12.94", "15.138", "5.305", "0.604", "0"]),
        (1, 2, ["1.321", "0.154", "0.76", "0.965", "0.212"]),
        (2, 1, ["0.324", "7.064", "7.003", "0", "0"]),
    ],
)

MODELS["corner_widen"] = FittedModel(
    arguments=["D0_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("D0_l", 0, 4)],
    inputs=[
        "D0_l",
        "a_l",
        "D0_l * a_l",
        "D0_l / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.78", "-0.0597", "0.622", "-0.00333"],
        ["0.0524", "-0.781", "0.622", "-0.00737"],
    ],
    output=["0.4429", "0.1853", "0.0335"],
    knots=[("-1", False), ("0.1", False)],
    pieces=[
        (1, 1, ["0.786", "1.434", "0.463", "0.0531"]),
        (1, 2, ["3.144", "8.39", "7.674", "2.667"]),
        (2, 1, ["-0.581", "4.406", "16.204", "0"]),
        (2, 2, ["-0.408", "4.209", "0", "0"]),
    ],
)

MODELS["corner_dual"] = FittedModel(
    arguments=["s_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("s_l", 0, 4)],
    inputs=[
        "s_l",
        "a_l",
        "s_l * a_l",
        "s_l / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.986", "0.00507", "0.164", "-0.0121"],
        ["-0.0412", "-0.918", "0.393", "0.00129"],
    ],
    output=["0.6028", "0.1338", "0.00687"],
    knots=[("-2", False), ("-0.04", False)],
    pieces=[
        (1, 1, ["0.548", "0.861", "0.208", "0.0176"]),
        (1, 2, ["2.963", "4.594", "2.249", "0.407"]),
        (2, 1, ["-0.382", "-0.364", "0", "0"]),
        (2, 2, ["1.109", "39.675", "0", "0"]),
    ],
)

MODELS["corner_tridem"] = FittedModel(
    arguments=["t_l", "a_l"],
    clamps=[("a_l", 0.05, 0.43), ("t_l", 0, 4)],
    inputs=[
        "t_l",
        "a_l",
        "t_l / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.9999", "0.00576", "-0.0122"],
    ],
    output=["0.4468", "0.1679"],
    knots=[("-2.5", False)],
    pieces=[
        (1, 1, ["-0.154", "0.346", "0.0986", "0.0101"]),
        (1, 2, ["3.169", "5.426", "2.88", "0.528"]),
    ],
)

MODELS["corner_size"] = FittedModel(
    arguments=["a_l", "L_l", "W_l"],
    clamps=[("a_l", 0.05, 0.3), ("L_l", 2, 7), ("W_l", 2, 7)],
    inputs=[
        "a_l",
        "L_l + W_l",
        "L_l * W_l",
        "sqrt(W_l) + sqrt(L_l)",
    ],
    evaluator=ppr_eval,
    weights=[
        ["0.8272", "-0.1219", "0.0002", "0.5485"],
        ["-0.9034", "0.2973", "-0.0118", "-0.3088"],
    ],
    output=["1.03", "0.03", "0.045"],
    knots=[("0", True), ("0.6", False)],
    pieces=[
        (1, 1, ["92.145", "-149.276", "59.747"]),
        (2, 1, ["-6.034", "23.128", "-22.022"]),
        (2, 2, ["-0.117", "0.375", "0"]),
    ],
)

MODELS["corner_size_los"] = FittedModel(
    arguments=["a_l", "L_l", "DP", "DG"],
    clamps=[("a_l", 0.05, 0.3), ("L_l", 2, 15), ("DG", 1, 10), ("DP", 2, 130)],
    inputs=[
        "a_l",
        "L_l",
        "a_l * L_l",
        "a_l * DP",
        "DP",
        "DG",
        "DP / DG",
        "a_l * DG",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.9581", "0.03604", "0.28368", "-0.00231", "-0.00033", "-0.00236", "-0.00144", "0.01621"],
        ["0.99699", "-0.02358", "0.05534", "-0.00265", "0.00055", "0.01611", "-0.00041", "-0.04602"],
    ],
    output=["0.9949", "0.17037", "0.0302"],
    knots=[("0.1", False), ("0.18", False)],
    pieces=[
        (1, 1, ["-0.85525", "15.53557", "0"]),
        (1, 2, ["0.24816", "0.28387", "-0.06692"]),
        (2, 1, ["-0.93998", "3.72027", "11.13839"]),
        (2, 2, ["-2.93892", "16.93742", "0"]),
    ],
)

MODELS["corner_curl"] = FittedModel(
    arguments=["a_l", "L_l", "ADT", "DP", "DG"],
    clamps=[("a_l", 0.05, 0.3), ("L_l", 2, 15), ("ADT", 5.5, 22), ("DG", 1, 10), ("DP", 2, 130)],
    inputs=[
        "a_l",
        "L_l",
        "ADT",
        "a_l * L_l",
        "a_l * ADT",
        "L_l * ADT",
        "a_l * L_l * ADT",
        "DP",
        "DG",
        "DP * DG",
        "a_l * DP",
        "L_l * DP",
        "ADT * DP",
        "a_l * DG",
        "L_l * DG",
        "ADT * DG",
        "a_l * L_l * ADT * DP * DG",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.04291", "0.56894", "-0.43915", "0.05771", "-0.12609", "0.02591", "0.01885", "-0.15518", "0.5027", "-0.01229", "0.31315", "-0.00903", "0.00649", "0.28839", "-0.04413", "0.03329", "-0.00002"],
        ["-0.02058", "0.83621", "-0.36689", "0.25029", "-0.16713", "0.04484", "0.0758", "0.03647", "-0.09497", "0.00207", "-0.04534", "-0.00721", "0.0007", "0.23382", "0.01217", "0.01038", "-0.00016"],
        ["0.04637", "-0.44327", "0.39157", "0.4701", "-0.122", "-0.00537", "-0.00851", "-0.01246", "-0.48078", "0.00443", "0.0152", "0.00322", "-0.00293", "0.4243", "0.01628", "-0.0137", "0.00007"],
    ],
    output=["0.2548", "0.3076", "0.1058", "0.05934"],
    knots=[("0", False), ("15", False), ("0", False)],
    pieces=[
        (1, 1, ["-0.28987", "0.0284", "0", "0"]),
        (1, 2, ["-0.22478", "0.40575", "0", "0"]),
        (2, 1, ["-1.46318", "0.39571", "0.00231", "-0.00155"]),
        (2, 2, ["5.0688", "-0.32371", "0", "0"]),
        (3, 1, ["0.7325", "0.74738", "0", "0"]),
        (3, 2, ["0.68128", "0.2594", "0", "0"]),
    ],
)

MODELS["interior_dual"] = FittedModel(
    arguments=["s_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("s_l", 0, 4)],
    inputs=[
        "s_l",
        "a_l",
        "s_l * a_l",
        "s_l / a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.42114", "0.89947", "0.10787", "-0.04424"],
        ["-0.03365", "-0.97142", "0.23496", "0.00027"],
    ],
    output=["0.5811", "0.14042", "0.03507"],
    knots=[("-2", False), ("-0.2", False)],
    pieces=[
        (1, 1, ["-0.413", "0.171", "0.029", "0.003"]),
        (1, 2, ["2.041", "4.691", "2.971", "0.657"]),
        (2, 1, ["-2.637", "-36.693", "-166.057", "-172.818"]),
        (2, 2, ["2.596", "15.86", "-34.892", "-179.776"]),
    ],
)

MODELS["interior_tridem"] = FittedModel(
    arguments=["t_l", "a_l"],
    clamps=[("a_l", 0.05, 0.4), ("t_l", 0, 3)],
    inputs=[
        "t_l",
        "a_l",
        "t_l * a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.50223", "0.862", "-0.06873"],
        ["0.14179", "0.80027", "-0.58264"],
    ],
    output=["0.4377", "0.15978", "0.01638"],
    knots=[("-0.3", False), ("0.2", False)],
    pieces=[
        (1, 1, ["1.199", "3.182", "1.13"]),
        (1, 2, ["2.694", "13.636", "21.423"]),
        (2, 1, ["-2.336", "6.784", "33.187"]),
        (2, 2, ["-2.155", "12.693", "-1.494"]),
    ],
)

MODELS["interior_size"] = FittedModel(
    arguments=["a_l", "L_l", "W_l"],
    clamps=[("a_l", 0.05, 0.3), ("L_l", 2, 7), ("W_l", 2, 7)],
    inputs=[
        "W_l",
        "L_l",
        "a_l",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.67019", "0.42503", "-0.60844"],
        ["-0.00271", "-0.42293", "0.90616"],
        ["-0.30625", "-0.021", "0.95172"],
    ],
    output=["1.0809", "0.04546", "0.05792", "0.03742"],
    knots=[("0", True), ("-1.6", False), ("-1", False)],
    pieces=[
        (1, 1, ["0.27351", "1.28607", "0"]),
        (2, 1, ["3.44232", "1.42864", "0"]),
        (2, 2, ["-15.77484", "-22.42728", "-7.50782"]),
        (3, 1, ["-1.85756", "0.17921", "0.95723"]),
        (3, 2, ["8.62686", "19.22734", "9.53635"]),
    ],
)

MODELS["interior_size_los"] = FittedModel(
    arguments=["W_l", "a_l", "DP", "DG"],
    clamps=[("a_l", 0.05, 0.3), ("W_l", 2, 17), ("DG", 1, 10), ("DP", 2, 130)],
    inputs=[
        "1 / W_l",
        "a_l",
        "a_l / W_l",
        "DP",
        "DG",
    ],
    evaluator=ppr_eval,
    weights=[
        ["-0.20096", "0.26157", "-0.94403", "0", "0.00008"],
        ["0.18184", "-0.9604", "-0.21105", "0.00065", "-0.00468"],
        ["0.02777", "0.99262", "0.11803", "-0.00017", "0.002"],
    ],
    output=["1.01793", "0.04766", "0.01307", "0.00926"],
    knots=[("-0.05", False), ("-0.1", False), ("0.15", False)],
    pieces=[
        (1, 1, ["3.2905", "43.76038", "0"]),
        (1, 2, ["0.32032", "-9.99147", "4.67639"]),
        (2, 1, ["1.79888", "19.58864", "29.42562"]),
        (2, 2, ["1.15306", "7.71399", "-16.29096"]),
        (3, 1, ["-3.81059", "48.6117", "-99.25446"]),
        (3, 2, ["-1.80221", "2.31237", "25.17567"]),
    ],
)

MODELS["interior_curl"] = FittedModel(
    arguments=["W_l", "a_l", "ADT", "DP", "DG"],
    clamps=[("a_l", 0.05, 0.3), ("W_l", 2, 15), ("ADT", 5.5, 22), ("DG", 1, 10), ("DP", 2, 130)],
    inputs=[
        "W_l",
        "a_l",
        "ADT",
        "DP",
        "DG",
        "W_l * a_l",
        "W_l * ADT",
        "W_l * DP",
        "W_l * DG",
        "DP * DG",
    ],
    evaluator=ppr_eval,
    weights=[
        ["0.9637", "-0.02263", "0.0552", "-0.00332", "-0.23136", "0.03767", "-0.0243", "0.00531", "0.12549", "-0.00234"],
        ["-0.82137", "-0.16949", "-0.023", "-0.00818", "0.26187", "-0.47149", "0.0207", "0.00419", "-0.07517", "0.00137"],
        ["-0.58518", "0.25146", "-0.1576", "-0.04907", "0.03673", "0.76609", "0.0013", "0.0061", "0.05759", "-0.00893"],
    ],
    output=["0.68081", "0.42542", "0.04037", "0.01861"],
    knots=[("15", False), ("-3.5", False), ("-8", False)],
    pieces=[
        (1, 1, ["-2.48", "0.412", "-0.011"]),
        (1, 2, ["1.26", "-0.017", "0"]),
        (2, 1, ["-0.149", "0.079", "0"]),
        (2, 2, ["1.536", "1.285", "0.194"]),
        (3, 1, ["-1.164", "-0.03", "0"]),
        (3, 2, ["4.385", "1.305", "0.079"]),
    ],
)

MODELS["edge_size"] = EdgeSize()
MODELS["corner_tandem"] = Delegate(MODELS["corner_dual"], ["t_l", "a_l"])
MODELS["interior_tandem"] = Delegate(MODELS["interior_dual"], ["t_l", "a_l"])
MODELS["interior_unity"] = Unity()

# Every ratio inside every range; the factors to six significant digits.
COMMON_POINT = {"a_l": 0.15, "L_l": 5, "W_l": 4, "s_l": 0.8, "t_l": 1.2, "AGG_kl": 500, "D0_l": 0.5,
                "ADT": 10, "DP": 40, "DG": 5}
COMMON_FACTORS = {
    "edge_tied": 0.542491, "edge_widen": 0.569535, "edge_dual": 0.620634, "edge_tandem": 0.458052,
    "edge_tridem": 0.306625, "edge_size": 0.99547, "edge_size_los": 0.980041, "edge_curl": 0.927904,
    "corner_tied": 0.848889, "corner_widen": 0.597531, "corner_dual": 0.662241,
    "corner_tridem": 0.417329, "corner_size": 1.02853, "corner_size_los": 1.0372,
    "corner_curl": 0.154343, "interior_dual": 0.660939, "interior_tridem": 0.42591,
    "interior_size": 1.06328, "interior_size_los": 1.04968, "interior_curl": 0.371542,
}

# Ranges of the ratios over which candidates are drawn when a model does not clamp one.
WIDE = {"a_l": (0.05, 0.5), "L_l": (2, 15), "W_l": (2, 17), "s_l": (0, 4), "t_l": (0, 4),
        "AGG_kl": (0, 50000), "D0_l": (0, 4), "ADT": (5.5, 22), "DP": (2, 140), "DG": (0.78, 11)}


def neat(x):
    """x as a short decimal text (three significant digits)."""
    return float("%.3g" % x)


def candidates(model, rng, count):
    ranges = {name: (lo, hi) for name, lo, hi in model.clamps}
    pool = []
    for _ in range(count):
        point = {}
        for name in model.arguments:
            lo, hi = ranges.get(name, WIDE[name])
            roll = rng.random()
            if roll < 0.08:
                point[name] = neat(lo - (0.5 * lo if lo > 0 else 1.0) - 0.1)
            elif roll < 0.16:
                point[name] = neat(hi * 1.25 + 0.1)
            elif roll < 0.22:
                point[name] = lo
            elif roll < 0.28:
                point[name] = hi
            else:
                point[name] = neat(lo + (hi - lo) * rng.random())
        pool.append(point)
    return pool


def requirements(model, point):
    """The items that the ratio set covers, each digit slip with the units in the last place by which
    it moves the factor."""
    factor, clamped, taken = model.evaluate(point)
    covered = {("piece",) + key: math.inf for key in taken}
    ranges = {name: (lo, hi) for name, lo, hi in model.clamps}
    for name in model.arguments:
        if name in ranges:
            lo, hi = ranges[name]
            if point[name] < lo:
                covered[("below", name)] = math.inf
            if point[name] > hi:
                covered[("above", name)] = math.inf
    for key, text in model.texts.items():
        if isinstance(text, bool):
            continue
        for wrong in altered(text):
            texts = dict(model.texts)
            texts[key] = wrong
            moved, _, _ = model.evaluate(point, texts)
            covered[("digit", key, wrong)] = abs(moved - factor) / ulp(factor)
    return covered


def needed(model):
    items = {("piece",) + key for key in model.piece_keys}
    for name, _, _ in model.clamps:
        items |= {("below", name), ("above", name)}
    for key, text in model.texts.items():
        if not isinstance(text, bool):
            items |= {("digit", key, wrong) for wrong in altered(text)}
    return items


def choose(name, model):
    """A few ratio sets that cover every item: digits by DETECTION_ULPS where some set can, by more
    than TOLERANCE_ULPS where no set moves the factor further. Returns the sets, the digits that no
    set moves by more than the tolerance, and those moved by less than DETECTION_ULPS."""
    rng = random.Random(name)
    pool = [dict((n, COMMON_POINT[n]) for n in model.arguments)] + candidates(model, rng, 600)
    moves = [requirements(model, point) for point in pool]
    strong = [{item for item, by in m.items() if by >= DETECTION_ULPS} for m in moves]
    weak = [{item for item, by in m.items() if by > TOLERANCE_ULPS} for m in moves]
    missing = needed(model)
    invisible = missing - set().union(*weak)
    faint = (missing - set().union(*strong)) - invisible
    missing -= invisible
    covers = [s | (w & faint) for s, w in zip(strong, weak)]
    chosen = [0]
    missing -= covers[0]
    while missing:
        best = max(range(len(pool)), key=lambda i: len(covers[i] & missing))
        if not covers[best] & missing:
            sys.exit("%s: no ratio set covers %s" % (name, sorted(missing)))
        chosen.append(best)
        missing -= covers[best]
    return [pool[i] for i in chosen], sorted(item for item in invisible if item[0] == "digit"), faint


def main():
    for name, expected in COMMON_FACTORS.items():
        model = MODELS[name]
        factor, _, _ = model.evaluate({n: COMMON_POINT[n] for n in model.arguments})
        if float("%.6g" % factor) != expected:
            sys.exit("%s gives %.9g at the common point, not %s" % (name, factor, expected))
    print("# Generated by make_expected.py in this folder; regenerate with")
    print("#     python3 tests/data/models/make_expected.py > tests/data/models/expected_factors.txt")
    print("# Each row: model, its ratios in argument order, =>, the factor, the ratios as the model")
    print("# leaves them (clamped). Values are single precision, written in the fewest digits that")
    print("# read back exactly.")
    rows, notes = [], []
    for name, model in MODELS.items():
        points, invisible, faint = choose(name, model)
        for point in points:
            factor, clamped, _ = model.evaluate(point)
            ratios = " ".join(shortest(single(point[n])) for n in model.arguments)
            left = " ".join(shortest(x) for x in clamped)
            rows.append("%s %s => %s %s" % (name, ratios, shortest(factor), left))
        if faint:
            notes.append("#   %s: %d slips move the factor by less than %d units in the last place"
                         % (name, len(faint), DETECTION_ULPS))
        for _, key, wrong in invisible:
            notes.append("#   %s: %s as %s moves no factor by more than %d units: not caught"
                         % (name, model.texts[key], wrong, TOLERANCE_ULPS))
    if notes:
        print("# Digit slips that move every factor by less than %d units in the last place:" % DETECTION_ULPS)
        print("\n".join(notes))
    print("\n".join(rows))

if __name__ == "__main__":
    main()
