// SPDX-License-Identifier: Apache-2.0
#include "models/factor_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace korvanex;

namespace {

// One term over one input, z = X1: piece 1 is the constant 1, piece 2 the constant 2, piece 3 the
// constant 3, so the result tells which piece was taken.
FactorModel pieceProbe() {
    FactorModel model;
    setWeights(model, 1, {1.0f});
    setOutput(model, {0.0f, 1.0f});
    setPiece(model, 1, 1, {1.0f});
    setPiece(model, 1, 2, {2.0f});
    setPiece(model, 1, 3, {3.0f});
    return model;
}

ModelInputs onlyX1(float input) {
    ModelInputs X;
    X[1] = input;
    return X;
}

} // namespace

TEST(PprEval, PieceChoiceAtAndAroundTheKnot) {
    auto pieceAt = [](float input, float knot, bool singlePiece) {
        FactorModel model = pieceProbe();
        setKnot(model, 1, knot, singlePiece);
        return ppr_eval(model, onlyX1(input));
    };
    EXPECT_EQ(pieceAt(0.5f, 0.5f, false), 1.0f);                       // equal to the knot: piece 1
    EXPECT_EQ(pieceAt(std::nextafter(0.5f, 1.0f), 0.5f, false), 2.0f); // just above: piece 2
    EXPECT_EQ(pieceAt(std::nextafter(0.5f, 0.0f), 0.5f, false), 1.0f); // just below: piece 1
    EXPECT_EQ(pieceAt(10.0f, 0.0f, true), 1.0f);                       // single piece, far above
}

TEST(PprEval, ProjectionIsRoundedToSingleAfterEachAddition) {
    // 1 + 2^-30 is lost in single precision before the -1 arrives; a double sum would keep it.
    FactorModel model;
    setWeights(model, 1, {1.0f, 1.0f, 1.0f});
    setOutput(model, {0.0f, 1.0f});
    setPiece(model, 1, 1, {0.0f, 1.0f});
    ModelInputs X;
    X[1] = 1.0f;
    X[2] = 0x1p-30f;
    X[3] = -1.0f;
    EXPECT_EQ(ppr_eval(model, X), 0.0f);
}

TEST(PprEval3, PieceChoiceAtBothKnots) {
    auto pieceAt = [](float input, float lower, float upper) {
        FactorModel model = pieceProbe();
        setKnots(model, 1, lower, upper);
        return ppr_eval3(model, onlyX1(input));
    };
    EXPECT_EQ(pieceAt(-1.0f, -1.0f, 0.5f), 1.0f);                       // at the lower knot
    EXPECT_EQ(pieceAt(std::nextafter(-1.0f, 0.0f), -1.0f, 0.5f), 2.0f); // just above it
    EXPECT_EQ(pieceAt(0.5f, -1.0f, 0.5f), 2.0f);                        // at the upper knot
    EXPECT_EQ(pieceAt(std::nextafter(0.5f, 1.0f), -1.0f, 0.5f), 3.0f);  // just above it
    EXPECT_EQ(pieceAt(3.0f, 3.0f, 3.0f), 1.0f);                         // equal knots: never piece 2
    EXPECT_EQ(pieceAt(3.5f, 3.0f, 3.0f), 3.0f);
}
