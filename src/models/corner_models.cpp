// SPDX-License-Identifier: Apache-2.0
#include "models/corner_models.h"

#include <cmath>

#include "models/factor_model.h"

namespace korvanex {

float corner_tied(float& AGG_kl, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    AGG_kl = clip(AGG_kl, 0.0f, 50000.0f);

    ModelInputs X;
    X[1] = storeInput(log10ByNatural(wide(AGG_kl) + 1.0));
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(X[1]) * a_l);
    X[4] = storeInput(wide(X[1]) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.531f, 0.636f, -0.56f, 0.00192f});
        setWeights(fit, 2, {-0.176f, -0.682f, 0.71f, 0.00639f});

        setOutput(fit, {0.7543f, 0.1887f, 0.0184f});

        setKnot(fit, 1, -2.55f, false);
        setKnot(fit, 2, 0.0f, true);

        setPiece(fit, 1, 1, {12.94f, 15.138f, 5.305f, 0.604f, 0.0f});
        setPiece(fit, 1, 2, {1.321f, 0.154f, 0.76f, 0.965f, 0.212f});
        setPiece(fit, 2, 1, {0.324f, 7.064f, 7.003f, 0.0f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_widen(float& D0_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    D0_l = clip(D0_l, 0.0f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(D0_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(D0_l) * a_l);
    X[4] = storeInput(wide(D0_l) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.78f, -0.0597f, 0.622f, -0.00333f});
        setWeights(fit, 2, {0.0524f, -0.781f, 0.622f, -0.00737f});

        setOutput(fit, {0.4429f, 0.1853f, 0.0335f});

        setKnot(fit, 1, -1.0f, false);
        setKnot(fit, 2, 0.1f, false);

        setPiece(fit, 1, 1, {0.786f, 1.434f, 0.463f, 0.0531f});
        setPiece(fit, 1, 2, {3.144f, 8.39f, 7.674f, 2.667f});
        setPiece(fit, 2, 1, {-0.581f, 4.406f, 16.204f, 0.0f});
        setPiece(fit, 2, 2, {-0.408f, 4.209f, 0.0f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_dual(float& s_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    s_l = clip(s_l, 0.0f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(s_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(s_l) * a_l);
    X[4] = storeInput(wide(s_l) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.986f, 0.00507f, 0.164f, -0.0121f});
        setWeights(fit, 2, {-0.0412f, -0.918f, 0.393f, 0.00129f});

        setOutput(fit, {0.6028f, 0.1338f, 0.00687f});

        setKnot(fit, 1, -2.0f, false);
        setKnot(fit, 2, -0.04f, false);

        setPiece(fit, 1, 1, {0.548f, 0.861f, 0.208f, 0.0176f});
        setPiece(fit, 1, 2, {2.963f, 4.594f, 2.249f, 0.407f});
        setPiece(fit, 2, 1, {-0.382f, -0.364f, 0.0f, 0.0f});
        setPiece(fit, 2, 2, {1.109f, 39.675f, 0.0f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_tandem(float& t_l, float& a_l) {
    return corner_dual(t_l, a_l);
}

float corner_tridem(float& t_l, float& a_l) {
    // The tridem fit reaches a/l = 0.43, beyond the 0.4 of the other corner models.
    a_l = clip(a_l, 0.05f, 0.43f);
    t_l = clip(t_l, 0.0f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(t_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(t_l) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.9999f, 0.00576f, -0.0122f});

        setOutput(fit, {0.4468f, 0.1679f});

        setKnot(fit, 1, -2.5f, false);

        setPiece(fit, 1, 1, {-0.154f, 0.346f, 0.0986f, 0.0101f});
        setPiece(fit, 1, 2, {3.169f, 5.426f, 2.88f, 0.528f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_size(float& a_l, float& L_l, float& W_l) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 2.0f, 7.0f);
    W_l = clip(W_l, 2.0f, 7.0f);

    ModelInputs X;
    X[1] = storeInput(a_l);
    X[2] = storeInput(wide(L_l) + W_l);
    X[3] = storeInput(wide(L_l) * W_l);
    X[4] = storeInput(std::sqrt(wide(W_l)) + std::sqrt(wide(L_l)));

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {0.8272f, -0.1219f, 0.0002f, 0.5485f});
        setWeights(fit, 2, {-0.9034f, 0.2973f, -0.0118f, -0.3088f});

        setOutput(fit, {1.03f, 0.03f, 0.045f});

        setKnot(fit, 1, 0.0f, true);
        setKnot(fit, 2, 0.6f, false);

        setPiece(fit, 1, 1, {92.145f, -149.276f, 59.747f});
        setPiece(fit, 2, 1, {-6.034f, 23.128f, -22.022f});
        setPiece(fit, 2, 2, {-0.117f, 0.375f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_size_los(float& a_l, float& L_l, float& DP, float& DG) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 2.0f, 15.0f);
    DG = clip(DG, 1.0f, 10.0f);
    DP = clip(DP, 2.0f, 130.0f);

    ModelInputs X;
    X[1] = storeInput(a_l);
    X[2] = storeInput(L_l);
    X[3] = storeInput(wide(a_l) * L_l);
    X[4] = storeInput(wide(a_l) * DP);
    X[5] = storeInput(DP);
    X[6] = storeInput(DG);
    X[7] = storeInput(wide(DP) / DG);
    X[8] = storeInput(wide(a_l) * DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        // clang-format off
        setWeights(fit, 1, {-0.9581f, 0.03604f, 0.28368f, -0.00231f, -0.00033f, -0.00236f, -0.00144f, 0.01621f});
        setWeights(fit, 2, {0.99699f, -0.02358f, 0.05534f, -0.00265f, 0.00055f, 0.01611f, -0.00041f, -0.04602f});
        // clang-format on

        setOutput(fit, {0.9949f, 0.17037f, 0.0302f});

        setKnot(fit, 1, 0.1f, false);
        setKnot(fit, 2, 0.18f, false);

        setPiece(fit, 1, 1, {-0.85525f, 15.53557f, 0.0f});
        setPiece(fit, 1, 2, {0.24816f, 0.28387f, -0.06692f});
        setPiece(fit, 2, 1, {-0.93998f, 3.72027f, 11.13839f});
        setPiece(fit, 2, 2, {-2.93892f, 16.93742f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float corner_curl(float& a_l, float& L_l, float& ADT, float& DP, float& DG) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 2.0f, 15.0f);
    ADT = clip(ADT, 5.5f, 22.0f);
    DG = clip(DG, 1.0f, 10.0f);
    DP = clip(DP, 2.0f, 130.0f);

    ModelInputs X;
    X[1] = storeInput(a_l);
    X[2] = storeInput(L_l);
    X[3] = storeInput(ADT);
    X[4] = storeInput(wide(a_l) * L_l);
    X[5] = storeInput(wide(a_l) * ADT);
    X[6] = storeInput(wide(L_l) * ADT);
    X[7] = storeInput(wide(a_l) * L_l * ADT);
    X[8] = storeInput(DP);
    X[9] = storeInput(DG);
    X[10] = storeInput(wide(DP) * DG);
    X[11] = storeInput(wide(a_l) * DP);
    X[12] = storeInput(wide(L_l) * DP);
    X[13] = storeInput(wide(ADT) * DP);
    X[14] = storeInput(wide(a_l) * DG);
    X[15] = storeInput(wide(L_l) * DG);
    X[16] = storeInput(wide(ADT) * DG);
    X[17] = storeInput(wide(a_l) * L_l * ADT * DP * DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        // clang-format off
        setWeights(fit, 1, {-0.04291f, 0.56894f, -0.43915f, 0.05771f, -0.12609f, 0.02591f, 0.01885f, -0.15518f, 0.5027f, -0.01229f, 0.31315f, -0.00903f, 0.00649f, 0.28839f, -0.04413f, 0.03329f, -0.00002f});
        setWeights(fit, 2, {-0.02058f, 0.83621f, -0.36689f, 0.25029f, -0.16713f, 0.04484f, 0.0758f, 0.03647f, -0.09497f, 0.00207f, -0.04534f, -0.00721f, 0.0007f, 0.23382f, 0.01217f, 0.01038f, -0.00016f});
        setWeights(fit, 3, {0.04637f, -0.44327f, 0.39157f, 0.4701f, -0.122f, -0.00537f, -0.00851f, -0.01246f, -0.48078f, 0.00443f, 0.0152f, 0.00322f, -0.00293f, 0.4243f, 0.01628f, -0.0137f, 0.00007f});
        // clang-format on

        setOutput(fit, {0.2548f, 0.3076f, 0.1058f, 0.05934f});

        setKnot(fit, 1, 0.0f, false);
        setKnot(fit, 2, 15.0f, false);
        setKnot(fit, 3, 0.0f, false);

        setPiece(fit, 1, 1, {-0.28987f, 0.0284f, 0.0f, 0.0f});
        setPiece(fit, 1, 2, {-0.22478f, 0.40575f, 0.0f, 0.0f});
        setPiece(fit, 2, 1, {-1.46318f, 0.39571f, 0.00231f, -0.00155f});
        setPiece(fit, 2, 2, {5.0688f, -0.32371f, 0.0f, 0.0f});
        setPiece(fit, 3, 1, {0.7325f, 0.74738f, 0.0f, 0.0f});
        setPiece(fit, 3, 2, {0.68128f, 0.2594f, 0.0f, 0.0f});
        return fit;
    }();
    return ppr_eval(model, X);
}

} // namespace korvanex
