// SPDX-License-Identifier: Apache-2.0
#include "models/corner_models.h"
#include "models/edge_models.h"
#include "models/interior_models.h"

#include <benchmark/benchmark.h>

using namespace korvanex;

namespace {

// The corner curling model at a/l = 0.15, L/l = 5, ADT = 10, DP = 40, DG = 5: three two-piece terms
// over all seventeen inputs, the largest evaluation of the models, built and evaluated as one
// analysis does.
void threeTermEvaluation(benchmark::State& state) {
    for (auto _ : state) {
        float a_l = 0.15f, L_l = 5, ADT = 10, DP = 40, DG = 5;
        benchmark::DoNotOptimize(a_l);
        float factor = corner_curl(a_l, L_l, ADT, DP, DG);
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
