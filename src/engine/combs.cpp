// SPDX-License-Identifier: Apache-2.0
#include "engine/combs.h"

#include "case/fault.h"
#include "models/corner_models.h"
#include "models/edge_models.h"
#include "models/interior_models.h"

namespace korvanex {

namespace {

const LocationModels edgeModels = {
    edge_dual,
    edge_tandem,
    edge_tridem,
    edge_tied,
    edge_widen,
    edge_size,
    [](AnalysisResults& r) { return edge_size_los(r.W_l, r.L_l, r.ADT, r.DG); },
    [](AnalysisResults& r) { return edge_curl(r.W_l, r.L_l, r.ADT, r.a_l, r.DP, r.DG); },
};

const LocationModels cornerModels = {
    corner_dual,
    corner_tandem,
    corner_tridem,
    corner_tied,
    corner_widen,
    corner_size,
    [](AnalysisResults& r) { return corner_size_los(r.a_l, r.L_l, r.DP, r.DG); },
    [](AnalysisResults& r) { return corner_curl(r.a_l, r.L_l, r.ADT, r.DP, r.DG); },
};

const LocationModels interiorModels = {
    interior_dual,
    interior_tandem,
    interior_tridem,
    interior_unity,
    interior_unity,
    interior_size,
    [](AnalysisResults& r) { return interior_size_los(r.W_l, r.a_l, r.DP, r.DG); },
    [](AnalysisResults& r) { return interior_curl(r.W_l, r.a_l, r.ADT, r.DP, r.DG); },
};

float westergaardStressAt(WheelLocation location, const AnalysisResults& r) {
    switch (location) {
    case WheelLocation::Edge:
        return r.SlabEdgeStress;
    case WheelLocation::Corner:
        return r.SlabCornerStress;
    case WheelLocation::Interior:
        break;
    }
    return r.SlabInteriorStress;
}

const LocationModels& modelsAt(WheelLocation location) {
    switch (location) {
    case WheelLocation::Edge:
        return edgeModels;
    case WheelLocation::Corner:
        return cornerModels;
    case WheelLocation::Interior:
        break;
    }
    return interiorModels;
}

// The dual model runs before the tandem or tridem model of a dual gear: both clamp a/l.
float gearFactor(const LocationModels& models, GearConfiguration gear, AnalysisResults& r) {
    switch (gear) {
    case GearConfiguration::SingleSingle:
        return 1;
    case GearConfiguration::SingleTandem:
        return models.tandem(r.t_l, r.a_l);
    case GearConfiguration::SingleTridem:
        return models.tridem(r.t_l, r.a_l);
    case GearConfiguration::DualSingle:
        return models.dual(r.s_l, r.a_l);
    case GearConfiguration::DualTandem: {
        const double dual = models.dual(r.s_l, r.a_l);
        return static_cast<float>(dual * models.tandem(r.t_l, r.a_l));
    }
    case GearConfiguration::DualTridem: {
        const double dual = models.dual(r.s_l, r.a_l);
        return static_cast<float>(dual * models.tridem(r.t_l, r.a_l));
    }
    }
    return 1;
}

} // namespace

void combs(const AnalysisCase& record, AnalysisResults& results) {
    combs(record, modelsAt(record.location), results);
}

void combs(const AnalysisCase& record, const LocationModels& models, AnalysisResults& r) {
    const FaultCheck check("combs");

    r.GearFactor = gearFactor(models, record.gear, r);
    r.TiedFactor = record.tiedShoulder ? models.tied(r.AGG_kl, r.a_l) : 1.0f;
    r.WidenedFactor = record.widenedLane ? models.widen(r.D0_l, r.a_l) : 1.0f;
    r.SlabSizeFactor = models.size(r.a_l, r.L_l, r.W_l);
    r.OtherWheelsFactor = static_cast<float>(2.0 * models.dual(r.d_l, r.a_l));
    r.WestergaardStress = westergaardStressAt(record.location, r);
    r.InfiniteSlabStress = check.single(static_cast<double>(r.OtherWheelsFactor) *
                                            (static_cast<double>(r.GearFactor) * r.WestergaardStress),
                                        "infinite slab stress");
    r.SlabSizeLosFactor = models.sizeWithLossOfSupport(r);
    r.LoadCurlFactor = models.curl(r);

    const double adjusted = static_cast<double>(r.InfiniteSlabStress) * r.SecondLayerFactor * r.TiedFactor *
                            static_cast<double>(r.WidenedFactor);
    r.LoadingStressOnly = check.single(adjusted * r.SlabSizeFactor, "loading stress only");
    r.LoadingStressLos = check.single(adjusted * r.SlabSizeLosFactor, "loading stress with loss of support");
    // At the edge the ordinary slab size factor stands for the one with loss of support.
    const double loading = record.location == WheelLocation::Edge ? r.LoadingStressOnly : r.LoadingStressLos;
    r.CombinedStress =
        check.single(static_cast<double>(r.CurlStress) * r.LoadCurlFactor + loading, "combined stress");
}

} // namespace korvanex
