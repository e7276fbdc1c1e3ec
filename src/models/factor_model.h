// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>

namespace korvanex {

// One fitted projection-pursuit model during one evaluation: up to three terms over up to seventeen
// derived inputs, each term a polynomial ridge function of its projection, split into pieces at its
// knots. Indices count from 1 for terms, pieces and inputs; index 0 is used only by OutCoef (the
// intercept). Every element starts at zero, so a term or input that a model leaves alone adds nothing.
struct FactorModel {
    float Weight[4][18] = {};  // [term][input]
    float OutCoef[4] = {};     // [0] intercept, [term] weight of the term
    float Knot[4][3] = {};     // [term][1] the knot; [term][2] the upper knot of a three-piece term
    float OnePiece[4][3] = {}; // [term][1] == 1: the term has a single piece
    float Poly[4][4][7] = {};  // [term][piece][p]: the coefficient of z^(p-1), p = 1..6
    float Input[18] = {};      // X1..X17
    float Proj[4] = {};        // projections, accumulated by the evaluator
    float Ridge[4] = {};       // ridge values, accumulated by the evaluator
};

// lo below lo, x up to and including hi, hi above.
float clip(float x, float lo, float hi);

// Evaluates a model whose ridge functions have one or two pieces (piece 2 strictly above the knot,
// unless the term is flagged single-piece).
float ppr_eval(FactorModel& model);

// Evaluates a model whose ridge functions have three pieces: piece 1 up to the lower knot, piece 2 up
// to the upper knot, piece 3 above it.
float ppr_eval3(FactorModel& model);

// Fill a model with its coefficients, one row of them per call: the weights of a term, the output
// weights, the knots of a term, the polynomial of one piece.
void setWeights(FactorModel& model, int term, std::initializer_list<float> w);          // w1, w2, ...
void setOutput(FactorModel& model, std::initializer_list<float> b);                     // B0, B1, ...
void setKnot(FactorModel& model, int term, float knot, bool singlePiece);               // two-piece terms
void setKnots(FactorModel& model, int term, float lower, float upper);                  // three-piece terms
void setPiece(FactorModel& model, int term, int piece, std::initializer_list<float> c); // c0, c1, ...

// The inputs of every model follow one pattern: model.Input[n] = storeInput(formula), the formula
// taking each single-precision ratio in double precision (wide) and rounded only when stored.
inline double wide(float x) {
    return static_cast<double>(x);
}

// A derived input, rounded to single precision as it is stored.
inline float storeInput(double value) {
    return static_cast<float>(value);
}

// The base-10 logarithm as the models form it: the natural logarithm divided by that of 10.
double log10ByNatural(double x);

} // namespace korvanex
