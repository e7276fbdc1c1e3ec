// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// Adjustment factors for wheels at the slab corner. Each model clamps its ratios into its own ranges
// and writes the clamped values back into the caller's variables.
float corner_tied(float& AGG_kl, float& a_l);
float corner_widen(float& D0_l, float& a_l);
float corner_dual(float& s_l, float& a_l);
// The dual model evaluated at the longitudinal spacing.
float corner_tandem(float& t_l, float& a_l);
float corner_tridem(float& t_l, float& a_l);
float corner_size(float& a_l, float& L_l, float& W_l);
float corner_size_los(float& a_l, float& L_l, float& DP, float& DG);
float corner_curl(float& a_l, float& L_l, float& ADT, float& DP, float& DG);

} // namespace korvanex
