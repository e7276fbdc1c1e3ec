// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// Adjustment factors for wheels at the slab edge. Each model clamps its ratios into its own ranges
// and writes the clamped values back into the caller's variables.
float edge_tied(float& AGG_kl, float& a_l);
float edge_widen(float& D0_l, float& a_l);
float edge_dual(float& s_l, float& a_l);
float edge_tandem(float& t_l, float& a_l);
float edge_tridem(float& t_l, float& a_l);
// Also orders L/l and W/l so that L/l holds the larger ratio.
float edge_size(float& a_l, float& L_l, float& W_l);
float edge_size_los(float& W_l, float& L_l, float& ADT, float& DG);
float edge_curl(float& W_l, float& L_l, float& ADT, float& a_l, float& DP, float& DG);

} // namespace korvanex
