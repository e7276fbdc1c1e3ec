// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// Adjustment factors for wheels in the slab interior. Each model clamps its ratios into its own
// ranges and writes the clamped values back into the caller's variables.

// Neither a tied shoulder nor a widened lane changes the interior stress: 1, arguments untouched.
float interior_unity(float& first, float& a_l);
float interior_dual(float& s_l, float& a_l);
// The dual model evaluated at the longitudinal spacing.
float interior_tandem(float& t_l, float& a_l);
float interior_tridem(float& t_l, float& a_l);
float interior_size(float& a_l, float& L_l, float& W_l);
float interior_size_los(float& W_l, float& a_l, float& DP, float& DG);
float interior_curl(float& W_l, float& a_l, float& ADT, float& DP, float& DG);

} // namespace korvanex
