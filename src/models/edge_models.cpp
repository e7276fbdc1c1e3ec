// SPDX-License-Identifier: Apache-2.0
#include "models/edge_models.h"

#include "models/factor_model.h"

#include <cmath>
#include <utility>

namespace korvanex {

float edge_tied(float& AGG_kl, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.5f);
    AGG_kl = clip(AGG_kl, 0.0f, 50000.0f);

    ModelInputs X;
    X[1] = storeInput(log10ByNatural(wide(AGG_kl) + 1.0));
    X[2] = storeInput(10.0 * wide(a_l));
    X[3] = storeInput(wide(X[1]) * X[1]);
    X[4] = storeInput(wide(X[2]) * X[2]);
    X[5] = storeInput(wide(X[1]) * X[2]);
    X[6] = storeInput(wide(X[1]) / X[2]);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.96616f, -0.14766f, 0.09408f, 0.02047f, -0.18758f, -0.01668f});
        setWeights(fit, 2, {-0.3609f, 0.91982f, 0.05545f, -0.134f, 0.0372f, -0.03558f});
        setOutput(fit, {0.60162f, 0.159676f, 0.01166f});
        setKnot(fit, 1, -4.0f, false);
        setKnot(fit, 2, 1.0f, false);
        setPiece(fit, 1, 1, {-0.158f, 0.183f, 0.015f, 0.0f});
        setPiece(fit, 1, 2, {2.637f, 1.113f, -0.106f, -0.046f});
        setPiece(fit, 2, 1, {-1.229f, 1.776f, -0.169f, 0.0f});
        setPiece(fit, 2, 2, {-1.565f, 2.328f, -0.378f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float edge_widen(float& D0_l, float& a_l) {
    a_l = clip(a_l, 0.1f, 0.4f);
    D0_l = clip(D0_l, 0.0f, 2.0f);

    ModelInputs X;
    X[1] = storeInput(D0_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(D0_l) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.98868f, -0.12214f, -0.08717f});
        setWeights(fit, 2, {0.19802f, 0.98019f, 0.00305f});
        setOutput(fit, {0.61711f, 0.15373f, 0.02504f});
        setKnot(fit, 1, -2.5f, false);
        setKnot(fit, 2, 0.5f, false);
        setPiece(fit, 1, 1, {0.693f, 1.279f, 0.369f, 0.037f, 0.0f});
        setPiece(fit, 1, 2, {2.839f, 8.234f, 8.158f, 3.608f, 0.576f});
        setPiece(fit, 2, 1, {-2.285f, 5.921f, -6.001f, 7.743f, 0.0f});
        setPiece(fit, 2, 2, {-3.008f, 4.693f, 4.334f, -2.167f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float edge_dual(float& s_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    // Dual wheels closer than 0.2 l were not in the fitted data; the other spacing models start at 0.
    s_l = clip(s_l, 0.2f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(s_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(s_l) * a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.75995f, 0.64713f, -0.06082f});
        setWeights(fit, 2, {-0.03466f, -0.82967f, 0.55718f});
        setOutput(fit, {0.56197f, 0.09005f, 0.00597f});
        setKnot(fit, 1, -1.5f, false);
        setKnot(fit, 2, 0.0f, false);
        setPiece(fit, 1, 1, {0.32375f, 0.73128f, 0.12928f, 0.0f, 0.0f});
        setPiece(fit, 1, 2, {3.03815f, 7.24759f, 5.80453f, 1.70083f, 0.0f});
        setPiece(fit, 2, 1, {1.01832f, 108.7979f, 2079.976f, 11522.38f, 18645.37f});
        setPiece(fit, 2, 2, {0.1775f, -0.93117f, 9.31273f, -28.6173f, 28.57623f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float edge_tandem(float& t_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    t_l = clip(t_l, 0.0f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(t_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(t_l) * a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.5102f, 0.86005f, -0.00114f});
        setWeights(fit, 2, {-0.04868f, -0.9528f, 0.29966f});
        setOutput(fit, {0.51721f, 0.17298f, 0.02722f});
        setKnot(fit, 1, -0.3f, false);
        setKnot(fit, 2, 0.0f, true);
        setPiece(fit, 1, 1, {-0.079f, 0.839f, 0.368f, 0.0f});
        setPiece(fit, 1, 2, {1.632f, 8.353f, -0.358f, -30.793f});
        setPiece(fit, 2, 1, {2.553f, 14.88f, 0.0f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float edge_tridem(float& t_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    t_l = clip(t_l, 0.0f, 3.0f);

    ModelInputs X;
    X[1] = storeInput(t_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(t_l) * a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.74449f, 0.63504f, 0.20606f});
        setWeights(fit, 2, {-0.06053f, -0.95139f, 0.30198f});
        setOutput(fit, {0.44084f, 0.24238f, 0.0231f});
        setKnot(fit, 1, -0.4f, false);
        setKnot(fit, 2, -0.2f, false);
        setPiece(fit, 1, 1, {-0.019f, 1.06f, 0.371f, 0.0f});
        setPiece(fit, 1, 2, {1.594f, 6.322f, -3.323f, -21.337f});
        setPiece(fit, 2, 1, {3.792f, 17.087f, -0.712f, 0.0f});
        setPiece(fit, 2, 2, {1.313f, 6.666f, 38.682f, 154.194f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float edge_size(float& a_l, float& L_l, float& W_l) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 2.0f, 7.0f);
    W_l = clip(W_l, 2.0f, 7.0f);
    // The formula was fitted with the longer side as L; the caller sees the ordered pair too.
    if (W_l > L_l) {
        std::swap(L_l, W_l);
    }

    // Each step is one expression formed in extended precision, its result stored in single precision;
    // only the powers go through double.
    using Extended = long double;
    const float u1 =
        static_cast<float>(0.331 * static_cast<Extended>(L_l) - 0.9436 * static_cast<Extended>(a_l));
    const double u1Power = std::pow(static_cast<double>(u1), -3.3043);
    const float q1 = static_cast<float>(1.0 / (0.0345 * static_cast<Extended>(u1Power) + 0.2029) - 4.0308);
    const float f1 = static_cast<float>(0.07986 * static_cast<Extended>(q1) + 0.9399);

    const float u2 =
        static_cast<float>(0.9951 * static_cast<Extended>(a_l) - 0.09856 * static_cast<Extended>(W_l));
    const double u2Power = std::pow(static_cast<double>(1.0 - static_cast<Extended>(u2)), -10.7412);
    const float q2 = static_cast<float>(1.654 * static_cast<Extended>(u2Power) - 0.5344);
    const float f2 = static_cast<float>(0.01214 * static_cast<Extended>(q2) + 1.00477);

    return static_cast<float>(static_cast<Extended>(f1) * f2);
}

float edge_size_los(float& W_l, float& L_l, float& ADT, float& DG) {
    L_l = clip(L_l, 3.0f, 15.0f);
    W_l = clip(W_l, 3.0f, 15.0f);
    ADT = clip(ADT, 5.5f, 22.0f);
    DG = clip(DG, 0.78f, 11.03f);

    ModelInputs X;
    X[1] = storeInput(W_l);
    X[2] = storeInput(L_l);
    X[3] = storeInput(ADT);
    X[4] = storeInput(DG);
    X[5] = storeInput(log10ByNatural(DG));
    X[6] = storeInput(wide(L_l) * DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {0.00656f, 0.09886f, -0.02621f, -0.01857f, 0.99456f, 0.00129f});
        setWeights(fit, 2, {-0.00306f, 0.01649f, 0.02163f, 0.01336f, -0.99953f, 0.00413f});
        setOutput(fit, {0.88369f, 0.22005f, 0.02383f});
        setKnots(fit, 1, 0.85f, 1.5f);
        setKnots(fit, 2, -0.2f, 0.6f);
        setPiece(fit, 1, 1, {-2.8903f, 2.7825f, 1.2565f});
        setPiece(fit, 1, 2, {-2.4275f, 4.9285f, -1.9459f});
        setPiece(fit, 1, 3, {0.8111f, -0.1409f, 0.0f});
        setPiece(fit, 2, 1, {2.3228f, -3.8187f, -52.8964f});
        setPiece(fit, 2, 2, {-0.1891f, -0.2237f, 6.3312f});
        setPiece(fit, 2, 3, {25.7909f, -58.8336f, 32.4322f});
        return fit;
    }();
    return ppr_eval3(model, X);
}

float edge_curl(float& W_l, float& L_l, float& ADT, float& a_l, float& DP, float& DG) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 3.0f, 11.0f);
    W_l = clip(W_l, 3.0f, 11.0f);
    ADT = clip(ADT, 5.5f, 22.0f);
    DG = clip(DG, 1.06f, 9.93f);
    DP = clip(DP, 2.61f, 140.74f);

    ModelInputs X;
    X[1] = storeInput(W_l);
    X[2] = storeInput(L_l);
    X[3] = storeInput(ADT);
    X[4] = storeInput(a_l);
    X[5] = storeInput(DG);
    X[6] = storeInput(DP);
    X[7] = storeInput(wide(a_l) * L_l);
    X[8] = storeInput(wide(L_l) * ADT);
    X[9] = storeInput(wide(L_l) * DG);
    X[10] = storeInput(wide(W_l) * DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        // clang-format off
        setWeights(fit, 1, {-0.04724f, 0.56954f, -0.08408f, 0.20033f, -0.26647f, 0.00375f, 0.73881f, -0.01142f, 0.0953f, 0.01121f});
        setWeights(fit, 2, {0.03869f, 0.35781f, 0.09078f, -0.04054f, 0.86388f, 0.01635f, -0.31246f, 0.00552f, -0.12677f, -0.01765f});
        setWeights(fit, 3, {0.58567f, 0.25804f, 0.14784f, 0.14984f, 0.12743f, -0.05012f, 0.72295f, -0.0131f, -0.01304f, -0.06591f});
        // clang-format on
        setOutput(fit, {0.94825f, 0.15054f, 0.03724f, 0.03395f});
        setKnots(fit, 1, 3.0f, 7.0f);
        setKnots(fit, 2, 3.0f, 7.0f);
        setKnots(fit, 3, -1.0f, 0.5f);
        setPiece(fit, 1, 1, {-2.5575f, 0.8003f, 0.0f});
        setPiece(fit, 1, 2, {-2.6338f, 1.1038f, -0.0914f});
        setPiece(fit, 1, 3, {0.7564f, -0.0155f, 0.0f});
        setPiece(fit, 2, 1, {-0.6788f, 0.0107f, 0.0f});
        setPiece(fit, 2, 2, {3.7674f, -2.297f, 0.2963f});
        setPiece(fit, 2, 3, {-7.0337f, 1.2945f, 0.0f});
        setPiece(fit, 3, 1, {4.0843f, 4.8241f, 0.0f});
        setPiece(fit, 3, 2, {0.1815f, 0.0541f, -1.0899f});
        setPiece(fit, 3, 3, {0.0453f, 0.0383f, 0.0f});
        return fit;
    }();
    return ppr_eval3(model, X);
}

} // namespace korvanex
