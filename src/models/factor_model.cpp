// SPDX-License-Identifier: Apache-2.0
#include "models/factor_model.h"

#include "models/integer_power.h"

#include <cmath>

namespace korvanex {

namespace {

// The projections and ridge values of one evaluation, one per term (index 0 not used).
struct TermValues {
    float Proj[4] = {};
    float Ridge[4] = {};
};

// Each step of a projection is rounded to single precision before the next one adds to it. The
// running sum is held in a volatile so that no optimiser can keep it in double between the steps:
// GCC 12 at -O3 vectorises two terms side by side and drops the rounding of every step, which moves
// a projection, and the factor, by a unit in the last place. Terms and inputs beyond the model's rows
// are left out: their zero weights would add nothing.
TermValues projections(const FactorModel& model, const ModelInputs& X) {
    TermValues terms;
    for (int j = 1; j <= model.Terms; ++j) {
        volatile float projection = terms.Proj[j];
        for (int i = 1; i <= model.Inputs; ++i) {
            projection = static_cast<float>(static_cast<double>(X[i]) * model.Weight[j][i] +
                                            static_cast<double>(projection));
        }
        terms.Proj[j] = projection;
    }
    return terms;
}

// The coefficients after the piece's last non-zero one are left out: each would add a zero.
void accumulateRidge(const FactorModel& model, int j, int piece, TermValues& terms) {
    for (int p = 1; p <= model.Coefficients[j][piece]; ++p) {
        terms.Ridge[j] = static_cast<float>(integerPower(terms.Proj[j], p - 1) * model.Poly[j][piece][p] +
                                            static_cast<double>(terms.Ridge[j]));
    }
}

float combineTerms(const FactorModel& model, const TermValues& terms) {
    const double y = static_cast<double>(model.OutCoef[1]) * terms.Ridge[1] + model.OutCoef[0] +
                     static_cast<double>(model.OutCoef[2]) * terms.Ridge[2] +
                     static_cast<double>(model.OutCoef[3]) * terms.Ridge[3];
    return static_cast<float>(y);
}

} // namespace

float ppr_eval(const FactorModel& model, const ModelInputs& X) {
    TermValues terms = projections(model, X);
    for (int j = 1; j <= model.Terms; ++j) {
        const bool upperPiece = terms.Proj[j] > model.Knot[j][1] && model.OnePiece[j][1] != 1;
        accumulateRidge(model, j, upperPiece ? 2 : 1, terms);
    }
    return combineTerms(model, terms);
}

float ppr_eval3(const FactorModel& model, const ModelInputs& X) {
    TermValues terms = projections(model, X);
    for (int j = 1; j <= model.Terms; ++j) {
        int piece = 3;
        if (terms.Proj[j] <= model.Knot[j][1]) {
            piece = 1;
        } else if (terms.Proj[j] <= model.Knot[j][2]) {
            piece = 2;
        }
        accumulateRidge(model, j, piece, terms);
    }
    return combineTerms(model, terms);
}

double log10ByNatural(double x) {
    return std::log(x) / std::log(10.0);
}

} // namespace korvanex
