#pragma once

#include "engine/analysis_results.h"

namespace korvanex {

// The inputs of the closed-form edge stress model, in computation units; the codes say which gear
// (0 Single-Single, 1 Dual-Single, 2 Dual-Tandem, 3 Dual-Tridem), which layers (1 one layer,
// 2 unbonded, 3 bonded), whether the shoulder is tied (2) or not (1) and whether the lane is widened (1)
// or not (0). P is the whole axle load.
struct EdgeModelInputs {
    float h1 = 0, L = 0;
    int GearCode = 0;
    float tp = 0, k = 0, P = 0, dT = 0, alpha = 0, mu = 0, E1 = 0, E2 = 0, h2 = 0, d = 0, S = 0, t = 0;
    int LayerCode = 1, TiedCode = 1, WidenedFlag = 0;
    float d0 = 0, AGG_kl = 0;
};

// Runs the model and writes its nine result fields in order; a fault stops it with the fields
// written so far kept.
void EdgeStressModel(const EdgeModelInputs& in, AnalysisResults& results);

// The routines of the model.
float MdRadius(float l, int GearCode, float tp, float P, float d, float S, float t);
float MdInfSlab(float h1, float aEq, float k, float P, float mu, float E1, float d);
float MdLayer(float h1, float aEq, float k, float P, float mu, float E1, float E2, float h2, int LayerCode);
float MdSize(float h1, float L, float aEq, float k, float mu, float E1);
float MdWidened(float h1, float aEq, float k, float mu, float E1, int WidenedFlag, float d0);
float MdTied(float h1, float aEq, float k, float mu, float E1, int TiedCode, float AGG_kl);
float MdCurl(float h1, float L, float aEq, float l, float dT, float E1, float alpha, float k);
float MdBottom(float h1, float aEq, float k, float P, float mu, float E1, float E2, float h2, int LayerCode);

} // namespace korvanex
