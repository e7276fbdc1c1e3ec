// SPDX-License-Identifier: Apache-2.0
#include "models/interior_models.h"

#include "models/factor_model.h"

namespace korvanex {

float interior_unity(float&, float&) {
    return 1.0f;
}

float interior_dual(float& s_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    s_l = clip(s_l, 0.0f, 4.0f);

    ModelInputs X;
    X[1] = storeInput(s_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(s_l) * a_l);
    X[4] = storeInput(wide(s_l) / a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.42114f, 0.89947f, 0.10787f, -0.04424f});
        setWeights(fit, 2, {-0.03365f, -0.97142f, 0.23496f, 0.00027f});

        setOutput(fit, {0.5811f, 0.14042f, 0.03507f});

        setKnot(fit, 1, -2.0f, false);
        setKnot(fit, 2, -0.2f, false);

        setPiece(fit, 1, 1, {-0.413f, 0.171f, 0.029f, 0.003f});
        setPiece(fit, 1, 2, {2.041f, 4.691f, 2.971f, 0.657f});
        setPiece(fit, 2, 1, {-2.637f, -36.693f, -166.057f, -172.818f});
        setPiece(fit, 2, 2, {2.596f, 15.86f, -34.892f, -179.776f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float interior_tandem(float& t_l, float& a_l) {
    return interior_dual(t_l, a_l);
}

float interior_tridem(float& t_l, float& a_l) {
    a_l = clip(a_l, 0.05f, 0.4f);
    t_l = clip(t_l, 0.0f, 3.0f);

    ModelInputs X;
    X[1] = storeInput(t_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(t_l) * a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.50223f, 0.862f, -0.06873f});
        setWeights(fit, 2, {0.14179f, 0.80027f, -0.58264f});

        setOutput(fit, {0.4377f, 0.15978f, 0.01638f});

        setKnot(fit, 1, -0.3f, false);
        setKnot(fit, 2, 0.2f, false);

        setPiece(fit, 1, 1, {1.199f, 3.182f, 1.13f});
        setPiece(fit, 1, 2, {2.694f, 13.636f, 21.423f});
        setPiece(fit, 2, 1, {-2.336f, 6.784f, 33.187f});
        setPiece(fit, 2, 2, {-2.155f, 12.693f, -1.494f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float interior_size(float& a_l, float& L_l, float& W_l) {
    a_l = clip(a_l, 0.05f, 0.3f);
    L_l = clip(L_l, 2.0f, 7.0f);
    W_l = clip(W_l, 2.0f, 7.0f);

    ModelInputs X;
    X[1] = storeInput(W_l);
    X[2] = storeInput(L_l);
    X[3] = storeInput(a_l);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.67019f, 0.42503f, -0.60844f});
        setWeights(fit, 2, {-0.00271f, -0.42293f, 0.90616f});
        setWeights(fit, 3, {-0.30625f, -0.021f, 0.95172f});

        setOutput(fit, {1.0809f, 0.04546f, 0.05792f, 0.03742f});

        setKnot(fit, 1, 0.0f, true);
        setKnot(fit, 2, -1.6f, false);
        setKnot(fit, 3, -1.0f, false);

        setPiece(fit, 1, 1, {0.27351f, 1.28607f, 0.0f});
        setPiece(fit, 2, 1, {3.44232f, 1.42864f, 0.0f});
        setPiece(fit, 2, 2, {-15.77484f, -22.42728f, -7.50782f});
        setPiece(fit, 3, 1, {-1.85756f, 0.17921f, 0.95723f});
        setPiece(fit, 3, 2, {8.62686f, 19.22734f, 9.53635f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float interior_size_los(float& W_l, float& a_l, float& DP, float& DG) {
    a_l = clip(a_l, 0.05f, 0.3f);
    W_l = clip(W_l, 2.0f, 17.0f);
    DG = clip(DG, 1.0f, 10.0f);
    DP = clip(DP, 2.0f, 130.0f);

    ModelInputs X;
    X[1] = storeInput(1.0 / W_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(wide(a_l) / W_l);
    X[4] = storeInput(DP);
    X[5] = storeInput(DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        setWeights(fit, 1, {-0.20096f, 0.26157f, -0.94403f, 0.0f, 0.00008f});
        setWeights(fit, 2, {0.18184f, -0.9604f, -0.21105f, 0.00065f, -0.00468f});
        setWeights(fit, 3, {0.02777f, 0.99262f, 0.11803f, -0.00017f, 0.002f});

        setOutput(fit, {1.01793f, 0.04766f, 0.01307f, 0.00926f});

        setKnot(fit, 1, -0.05f, false);
        setKnot(fit, 2, -0.1f, false);
        setKnot(fit, 3, 0.15f, false);

        setPiece(fit, 1, 1, {3.2905f, 43.76038f, 0.0f});
        setPiece(fit, 1, 2, {0.32032f, -9.99147f, 4.67639f});
        setPiece(fit, 2, 1, {1.79888f, 19.58864f, 29.42562f});
        setPiece(fit, 2, 2, {1.15306f, 7.71399f, -16.29096f});
        setPiece(fit, 3, 1, {-3.81059f, 48.6117f, -99.25446f});
        setPiece(fit, 3, 2, {-1.80221f, 2.31237f, 25.17567f});
        return fit;
    }();
    return ppr_eval(model, X);
}

float interior_curl(float& W_l, float& a_l, float& ADT, float& DP, float& DG) {
    a_l = clip(a_l, 0.05f, 0.3f);
    W_l = clip(W_l, 2.0f, 15.0f);
    ADT = clip(ADT, 5.5f, 22.0f);
    DG = clip(DG, 1.0f, 10.0f);
    DP = clip(DP, 2.0f, 130.0f);

    ModelInputs X;
    X[1] = storeInput(W_l);
    X[2] = storeInput(a_l);
    X[3] = storeInput(ADT);
    X[4] = storeInput(DP);
    X[5] = storeInput(DG);
    X[6] = storeInput(wide(W_l) * a_l);
    X[7] = storeInput(wide(W_l) * ADT);
    X[8] = storeInput(wide(W_l) * DP);
    X[9] = storeInput(wide(W_l) * DG);
    X[10] = storeInput(wide(DP) * DG);

    static constexpr FactorModel model = [] {
        FactorModel fit;
        // clang-format off
        setWeights(fit, 1, {0.9637f, -0.02263f, 0.0552f, -0.00332f, -0.23136f, 0.03767f, -0.0243f, 0.00531f, 0.12549f, -0.00234f});
        setWeights(fit, 2, {-0.82137f, -0.16949f, -0.023f, -0.00818f, 0.26187f, -0.47149f, 0.0207f, 0.00419f, -0.07517f, 0.00137f});
        setWeights(fit, 3, {-0.58518f, 0.25146f, -0.1576f, -0.04907f, 0.03673f, 0.76609f, 0.0013f, 0.0061f, 0.05759f, -0.00893f});
        // clang-format on

        setOutput(fit, {0.68081f, 0.42542f, 0.04037f, 0.01861f});

        setKnot(fit, 1, 15.0f, false);
        setKnot(fit, 2, -3.5f, false);
        setKnot(fit, 3, -8.0f, false);

        setPiece(fit, 1, 1, {-2.48f, 0.412f, -0.011f});
        setPiece(fit, 1, 2, {1.26f, -0.017f, 0.0f});
        setPiece(fit, 2, 1, {-0.149f, 0.079f, 0.0f});
        setPiece(fit, 2, 2, {1.536f, 1.285f, 0.194f});
        setPiece(fit, 3, 1, {-1.164f, -0.03f, 0.0f});
        setPiece(fit, 3, 2, {4.385f, 1.305f, 0.079f});
        return fit;
    }();
    return ppr_eval(model, X);
}

} // namespace korvanex
