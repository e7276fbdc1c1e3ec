// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <initializer_list>

namespace korvanex {

// The coefficients of one fitted projection-pursuit model: up to three terms over up to seventeen
// derived inputs, each term a polynomial ridge function of its projection, split into pieces at its
// knots. Indices count from 1 for terms, pieces and inputs; index 0 is used only by OutCoef (the
// intercept). Every element starts at zero, so a term or input that a model leaves alone adds nothing.
// A model builds its coefficients once, as a constant, from rows given to the functions below.
struct FactorModel {
    float Weight[4][18] = {};  // [term][input]
    float OutCoef[4] = {};     // [0] intercept, [term] weight of the term
    float Knot[4][3] = {};     // [term][1] the knot; [term][2] the upper knot of a three-piece term
    float OnePiece[4][3] = {}; // [term][1] == 1: the term has a single piece
    float Poly[4][4][7] = {};  // [term][piece][p]: the coefficient of z^(p-1), p = 1..6
    // How far the rows reach, so that an evaluation stops where only zeros are left: the highest term
    // given a row, the longest row of weights, and each piece's coefficients up to its last non-zero one.
    int Terms = 0;
    int Inputs = 0;
    int Coefficients[4][4] = {}; // [term][piece]
};

// The derived inputs X1..X17 of one evaluation (X[0] is not used), each set as
// X[n] = storeInput(formula); every input starts at zero.
struct ModelInputs {
    float X[18] = {};

    float& operator[](int n) { return X[n]; }
    float operator[](int n) const { return X[n]; }
};

// lo below lo, x up to and including hi, hi above.
inline float clip(float x, float lo, float hi) {
    if (x < lo) {
        return lo;
    }
    if (x <= hi) {
        return x;
    }
    return hi;
}

// Evaluates a model whose ridge functions have one or two pieces (piece 2 strictly above the knot,
// unless the term is flagged single-piece).
float ppr_eval(const FactorModel& model, const ModelInputs& X);

// Evaluates a model whose ridge functions have three pieces: piece 1 up to the lower knot, piece 2 up
// to the upper knot, piece 3 above it.
float ppr_eval3(const FactorModel& model, const ModelInputs& X);

// Fill a model with its coefficients, one row of them per call: the weights of a term, the output
// weights, the knots of a term, the polynomial of one piece. They run when the compiler builds a
// model's constant.
constexpr void reachTerm(FactorModel& model, int term) {
    if (term > model.Terms) {
        model.Terms = term;
    }
}

constexpr void setWeights(FactorModel& model, int term, std::initializer_list<float> w) { // w1, w2, ...
    reachTerm(model, term);
    int i = 1;
    for (const float weight : w) {
        model.Weight[term][i++] = weight;
    }
    if (i - 1 > model.Inputs) {
        model.Inputs = i - 1;
    }
}

constexpr void setOutput(FactorModel& model, std::initializer_list<float> b) { // B0, B1, ...
    int j = 0;
    for (const float coefficient : b) {
        model.OutCoef[j++] = coefficient;
    }
}

constexpr void setKnot(FactorModel& model, int term, float knot, bool singlePiece) { // two-piece terms
    reachTerm(model, term);
    model.Knot[term][1] = knot;
    model.OnePiece[term][1] = singlePiece ? 1.0f : 0.0f;
}

constexpr void setKnots(FactorModel& model, int term, float lower, float upper) { // three-piece terms
    reachTerm(model, term);
    model.Knot[term][1] = lower;
    model.Knot[term][2] = upper;
}

constexpr void setPiece(FactorModel& model, int term, int piece,
                        std::initializer_list<float> c) { // c0, c1, ...
    reachTerm(model, term);
    int p = 1;
    for (const float coefficient : c) {
        model.Poly[term][piece][p] = coefficient;
        if (coefficient != 0) {
            model.Coefficients[term][piece] = p;
        }
        ++p;
    }
}

// The inputs of every model follow one pattern: X[n] = storeInput(formula), the formula taking each
// single-precision ratio in double precision (wide) and rounded only when stored.
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
