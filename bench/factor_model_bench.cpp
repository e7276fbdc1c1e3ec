#include "models/corner_models.h"
#include "models/edge_models.h"
#include "models/factor_model.h"
#include "models/interior_models.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// The corner curling model at a/l = 0.15, L/l = 5, ADT = 10, DP = 40, DG = 5: three two-piece terms
// over all seventeen inputs, built once so that only the evaluation is timed.
FactorModel cornerCurlModel() {
    const double a_l = 0.15f, L_l = 5.0f, ADT = 10.0f, DP = 40.0f, DG = 5.0f;
    FactorModel model;
    model.Input[1] = storeInput(a_l);
    model.Input[2] = storeInput(L_l);
    model.Input[3] = storeInput(ADT);
    model.Input[4] = storeInput(a_l * L_l);
    model.Input[5] = storeInput(a_l * ADT);
    model.Input[6] = storeInput(L_l * ADT);
    model.Input[7] = storeInput(a_l * L_l * ADT);
    model.Input[8] = storeInput(DP);
    model.Input[9] = storeInput(DG);
    model.Input[10] = storeInput(DP * DG);
    model.Input[11] = storeInput(a_l * DP);
    model.Input[12] = storeInput(L_l * DP);
    model.Input[13] = storeInput(ADT * DP);
    model.Input[14] = storeInput(a_l * DG);
    model.Input[15] = storeInput(L_l * DG);
    model.Input[16] = storeInput(ADT * DG);
    model.Input[17] = storeInput(a_l * L_l * ADT * DP * DG);

    setWeights(model, 1,
               {-0.04291f, 0.56894f, -0.43915f, 0.05771f, -0.12609f, 0.02591f, 0.01885f, -0.15518f, 0.5027f,
                -0.01229f, 0.31315f, -0.00903f, 0.00649f, 0.28839f, -0.04413f, 0.03329f, -0.00002f});
    setWeights(model, 2,
               {-0.02058f, 0.83621f, -0.36689f, 0.25029f, -0.16713f, 0.04484f, 0.0758f, 0.03647f, -0.09497f,
                0.00207f, -0.04534f, -0.00721f, 0.0007f, 0.23382f, 0.01217f, 0.01038f, -0.00016f});
    setWeights(model, 3,
               {0.04637f, -0.44327f, 0.39157f, 0.4701f, -0.122f, -0.00537f, -0.00851f, -0.01246f, -0.48078f,
                0.00443f, 0.0152f, 0.00322f, -0.00293f, 0.4243f, 0.01628f, -0.0137f, 0.00007f});
    setOutput(model, {0.2548f, 0.3076f, 0.1058f, 0.05934f});
    setKnot(model, 1, 0.0f, false);
    setKnot(model, 2, 15.0f, false);
    setKnot(model, 3, 0.0f, false);
    setPiece(model, 1, 1, {-0.28987f, 0.0284f, 0.0f, 0.0f});
    setPiece(model, 1, 2, {-0.22478f, 0.40575f, 0.0f, 0.0f});
    setPiece(model, 2, 1, {-1.46318f, 0.39571f, 0.00231f, -0.00155f});
    setPiece(model, 2, 2, {5.0688f, -0.32371f, 0.0f, 0.0f});
    setPiece(model, 3, 1, {0.7325f, 0.74738f, 0.0f, 0.0f});
    setPiece(model, 3, 2, {0.68128f, 0.2594f, 0.0f, 0.0f});
    return model;
}

void threeTermEvaluation(benchmark::State& state) {
    FactorModel model = cornerCurlModel();
    for (auto _ : state) {
        // The evaluator accumulates into these; everything else it only reads.
        for (int j = 0; j < 4; ++j) {
            model.Proj[j] = 0;
            model.Ridge[j] = 0;
        }
        benchmark::DoNotOptimize(model);
        float factor = ppr_eval(model);
        benchmark::DoNotOptimize(factor);
    }
}

// The ratios at an in-range point, as the driver would leave them for one analysis.
struct Ratios {
    float a_l = 0.15f, D0_l = 0.5f, AGG_kl = 500, L_l = 5, W_l = 4, DP = 40, DG = 5, ADT = 10;
    float s_l = 0.8f, t_l = 1.2f, d_l = 2.3f;
};

// The model calls of one analysis with a dual-tandem gear, a tied shoulder and a widened lane, in
// the order of the factor composition; each call clamps the ratios the later ones see.
float edgeModelSet(Ratios& r) {
    double product = edge_dual(r.s_l, r.a_l);
    product *= edge_tandem(r.t_l, r.a_l);
    product *= edge_tied(r.AGG_kl, r.a_l);
    product *= edge_widen(r.D0_l, r.a_l);
    product *= edge_size(r.a_l, r.L_l, r.W_l);
    product *= edge_dual(r.d_l, r.a_l);
    product *= edge_size_los(r.W_l, r.L_l, r.ADT, r.DG);
    product *= edge_curl(r.W_l, r.L_l, r.ADT, r.a_l, r.DP, r.DG);
    return static_cast<float>(product);
}

float cornerModelSet(Ratios& r) {
    double product = corner_dual(r.s_l, r.a_l);
    product *= corner_tandem(r.t_l, r.a_l);
    product *= corner_tied(r.AGG_kl, r.a_l);
    product *= corner_widen(r.D0_l, r.a_l);
    product *= corner_size(r.a_l, r.L_l, r.W_l);
    product *= corner_dual(r.d_l, r.a_l);
    product *= corner_size_los(r.a_l, r.L_l, r.DP, r.DG);
    product *= corner_curl(r.a_l, r.L_l, r.ADT, r.DP, r.DG);
    return static_cast<float>(product);
}

float interiorModelSet(Ratios& r) {
    double product = interior_dual(r.s_l, r.a_l);
    product *= interior_tandem(r.t_l, r.a_l);
    product *= interior_unity(r.AGG_kl, r.a_l);
    product *= interior_unity(r.D0_l, r.a_l);
    product *= interior_size(r.a_l, r.L_l, r.W_l);
    product *= interior_dual(r.d_l, r.a_l);
    product *= interior_size_los(r.W_l, r.a_l, r.DP, r.DG);
    product *= interior_curl(r.W_l, r.a_l, r.ADT, r.DP, r.DG);
    return static_cast<float>(product);
}

void modelSet(benchmark::State& state, float (*models)(Ratios&)) {
    const Ratios start;
    for (auto _ : state) {
        Ratios ratios = start;
        benchmark::DoNotOptimize(ratios);
        float factor = models(ratios);
        benchmark::DoNotOptimize(factor);
        benchmark::DoNotOptimize(ratios);
    }
}

} // namespace

BENCHMARK(threeTermEvaluation);
BENCHMARK_CAPTURE(modelSet, Edge, edgeModelSet);
BENCHMARK_CAPTURE(modelSet, Corner, cornerModelSet);
BENCHMARK_CAPTURE(modelSet, Interior, interiorModelSet);
