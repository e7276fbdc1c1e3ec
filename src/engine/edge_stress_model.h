// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "engine/analysis_results.h"

namespace korvanex {

// Whether the model runs for a gear: for every gear but the single-wheel tandem and tridem.
bool edgeStressModelSupports(GearConfiguration gear);

// The inputs of the closed-form edge stress model, in computation units; P is the whole axle load.
struct EdgeModelInputs {
    float h1 = 0, L = 0;
    GearConfiguration gear = GearConfiguration::SingleSingle;
    float tp = 0, k = 0, P = 0, dT = 0, alpha = 0, mu = 0, E1 = 0, E2 = 0, h2 = 0, d = 0, S = 0, t = 0;
    LayerType layer = LayerType::OneLayer;
    bool tiedShoulder = false, widenedLane = false;
    float d0 = 0, AGG_kl = 0;
    // As the driver formed them: the radius of relative stiffness of the slab (h1, E1, k, mu), in, and
    // the temperature term ADT = 100000 dT alpha.
    double l = 0;
    float ADT = 0;
};

// Runs the model and writes its nine result fields in order; a fault stops it with the fields
// written so far kept.
void EdgeStressModel(const EdgeModelInputs& in, AnalysisResults& results);

// The routines of the model. Each reads the inputs it needs; all but two take the equivalent radius
// a' of the wheels. MdRadius forms a' from l and MdCurl uses l, both with l in single precision as the
// model keeps it; the other routines read in.l in double precision.
float MdRadius(const EdgeModelInputs& in, float l);
float MdInfSlab(const EdgeModelInputs& in, float aEq);
float MdLayer(const EdgeModelInputs& in, float aEq);
float MdSize(const EdgeModelInputs& in, float aEq);
float MdWidened(const EdgeModelInputs& in, float aEq);
float MdTied(const EdgeModelInputs& in, float aEq);
float MdCurl(const EdgeModelInputs& in, float l);
float MdBottom(const EdgeModelInputs& in, float aEq);

} // namespace korvanex
