// SPDX-License-Identifier: Apache-2.0
#include "models/factor_model.h"

#include <cmath>

namespace korvanex {

namespace {

constexpr int Terms = 3;
constexpr int Inputs = 17;
constexpr int Powers = 6;

// Each step of a projection is rounded to single precision before the next one adds to it. The
// running sum is held in a volatile so that no optimiser can keep it in double between the steps:
// GCC 12 at -O3 vectorises two terms side by side and drops the rounding of every step, which moves
// a projection, and the factor, by a unit in the last place.
void accumulateProjections(FactorModel& model) {
    for (int j = 1; j <= Terms; ++j) {
        volatile float projection = model.Proj[j];
        for (int i = 1; i <= Inputs; ++i) {
            projection = static_cast<float>(static_cast<double>(model.Input[i]) * model.Weight[j][i] +
                                            static_cast<double>(projection));
        }
        model.Proj[j] = projection;
    }
}

void accumulateRidge(FactorModel& model, int j, int piece) {
    for (int p = 1; p <= Powers; ++p) {
        const double power = std::pow(static_cast<double>(model.Proj[j]), static_cast<double>(p - 1));
        model.Ridge[j] =
            static_cast<float>(power * model.Poly[j][piece][p] + static_cast<double>(model.Ridge[j]));
    }
}

float combineTerms(const FactorModel& model) {
    const double y = static_cast<double>(model.OutCoef[1]) * model.Ridge[1] + model.OutCoef[0] +
                     static_cast<double>(model.OutCoef[2]) * model.Ridge[2] +
                     static_cast<double>(model.OutCoef[3]) * model.Ridge[3];
    return static_cast<float>(y);
}

} // namespace

float clip(float x, float lo, float hi) {
    if (x < lo) {
        return lo;
    }
    if (x <= hi) {
        return x;
    }
    return hi;
}

float ppr_eval(FactorModel& model) {
    accumulateProjections(model);
    for (int j = 1; j <= Terms; ++j) {
        const bool upperPiece = model.Proj[j] > model.Knot[j][1] && model.OnePiece[j][1] != 1;
        accumulateRidge(model, j, upperPiece ? 2 : 1);
    }
    return combineTerms(model);
}

float ppr_eval3(FactorModel& model) {
    accumulateProjections(model);
    for (int j = 1; j <= Terms; ++j) {
        int piece = 3;
        if (model.Proj[j] <= model.Knot[j][1]) {
            piece = 1;
        } else if (model.Proj[j] <= model.Knot[j][2]) {
            piece = 2;
        }
        accumulateRidge(model, j, piece);
    }
    return combineTerms(model);
}

void setWeights(FactorModel& model, int term, std::initializer_list<float> w) {
    int i = 1;
    for (const float weight : w) {
        model.Weight[term][i++] = weight;
    }
}

void setOutput(FactorModel& model, std::initializer_list<float> b) {
    int j = 0;
    for (const float coefficient : b) {
        model.OutCoef[j++] = coefficient;
    }
}

void setKnot(FactorModel& model, int term, float knot, bool singlePiece) {
    model.Knot[term][1] = knot;
    model.OnePiece[term][1] = singlePiece ? 1.0f : 0.0f;
}

void setKnots(FactorModel& model, int term, float lower, float upper) {
    model.Knot[term][1] = lower;
    model.Knot[term][2] = upper;
}

void setPiece(FactorModel& model, int term, int piece, std::initializer_list<float> c) {
    int p = 1;
    for (const float coefficient : c) {
        model.Poly[term][piece][p++] = coefficient;
    }
}

double log10ByNatural(double x) {
    return std::log(x) / std::log(10.0);
}

} // namespace korvanex
