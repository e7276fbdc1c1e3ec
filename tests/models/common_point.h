#pragma once

namespace korvanex {

// The ratio set at which the fitted factors are published: inside every model's ranges, so no clamp
// moves any of these.
struct CommonPoint {
    float a_l = 0.15f;
    float L_l = 5.0f;
    float W_l = 4.0f;
    float s_l = 0.8f;
    float t_l = 1.2f;
    float AGG_kl = 500.0f;
    float D0_l = 0.5f;
    float ADT = 10.0f;
    float DP = 40.0f;
    float DG = 5.0f;
};

} // namespace korvanex
