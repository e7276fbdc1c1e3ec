// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// Every result of one computation, under the names the report and the command-line tool use.
// All start at 0. Each run overwrites the fields it reaches: a run that stops on a fault keeps the
// fields written before the fault, and a run that does not use the edge model leaves its fields as
// they were. The ratio fields hold the values the last factor model clamped them to.
struct AnalysisResults {
    // Analysis driver: Westergaard stresses (psi), the second layer, the ratios and the curling stress.
    float SlabEdgeStress = 0, SlabCornerStress = 0, SlabInteriorStress = 0;
    float TopEdgeStress = 0, TopCornerStress = 0, TopInteriorStress = 0;
    float SecondLayerFactor = 0;
    double l = 0; // radius of relative stiffness, in
    float a_l = 0, D0_l = 0, AGG_kl = 0, L_l = 0, W_l = 0, DP = 0, DG = 0, ADT = 0, s_l = 0, t_l = 0, d_l = 0;
    float CurlStress = 0;

    // The second, closed-form edge model.
    float MdEdgeInfSlab = 0, MdSecondLayer = 0, MdSlabSize = 0, MdTiedShoulder = 0, MdWidenedLane = 0;
    float MdCurlStress = 0, MdTopLayerStress = 0, MdCombinedStress = 0, MdBottomLayerStress = 0;

    // Factor composition.
    float GearFactor = 0, TiedFactor = 0, WidenedFactor = 0, SlabSizeFactor = 0, OtherWheelsFactor = 0;
    float WestergaardStress = 0, InfiniteSlabStress = 0, SlabSizeLosFactor = 0, LoadCurlFactor = 0;
    float LoadingStressOnly = 0, LoadingStressLos = 0, CombinedStress = 0;
};

} // namespace korvanex
