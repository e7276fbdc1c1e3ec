// SPDX-License-Identifier: Apache-2.0
#include "engine/analysis_driver.h"

#include "case/fault.h"
#include "case/unit_conversion.h"
#include "engine/edge_stress_model.h"
#include "engine/layer_section.h"
#include "engine/pi.h"
#include "engine/westergaard.h"
#include "models/integer_power.h"

#include <cmath>

namespace korvanex {

namespace {

void writeTopLayerStresses(const AnalysisCase& record, const ComputationInputs& in, float Pw, float a,
                           AnalysisResults& results) {
    const FaultCheck check("AnalysisDriver");
    if (record.layer == LayerType::OneLayer) {
        results.TopEdgeStress = results.SlabEdgeStress;
        results.TopCornerStress = results.SlabCornerStress;
        results.TopInteriorStress = results.SlabInteriorStress;
        return;
    }
    const EquivalentSection section = record.layer == LayerType::TwoLayerUnbonded
                                          ? unbondedSection(check, in.h1, in.h2, in.E1, in.E2)
                                          : bondedSection(check, in.h1, in.h2, in.E1, in.E2).section;
    const double factor = section.stressFactor;
    results.TopEdgeStress =
        check.single(factor * WestergaardEdge(Pw, section.he, in.E1, in.k, a, in.mu1), "top edge");
    results.TopCornerStress =
        check.single(factor * WestergaardCorner(Pw, section.he, in.E1, in.k, a, in.mu1), "top corner");
    results.TopInteriorStress =
        check.single(factor * WestergaardInterior(Pw, section.he, in.E1, in.k, a, in.mu1), "top interior");
}

float secondLayerFactor(const FaultCheck& check, WheelLocation location, const AnalysisResults& results) {
    switch (location) {
    case WheelLocation::Edge:
        return check.single(static_cast<double>(results.TopEdgeStress) / results.SlabEdgeStress,
                            "second layer");
    case WheelLocation::Corner:
        return check.single(static_cast<double>(results.TopCornerStress) / results.SlabCornerStress,
                            "second layer");
    case WheelLocation::Interior:
        break;
    }
    return check.single(static_cast<double>(results.TopInteriorStress) / results.SlabInteriorStress,
                        "second layer");
}

void writeRatios(const FaultCheck& check, const ComputationInputs& in, float Pw, float a,
                 AnalysisResults& results) {
    const double l = results.l;
    const double tenToTheFifth = std::pow(10.0, 5.0);
    results.a_l = check.single(a / l, "a/l");
    results.D0_l = check.single(in.d0 / l, "D0/l");
    results.AGG_kl = check.single(in.AGG / (in.k * l), "AGG/kl");
    results.t_l = check.single(in.t / l, "t/l");
    results.d_l = check.single(in.d / l, "d/l");
    results.s_l = check.single(in.S / l, "s/l");
    results.L_l = check.single(in.L / l, "L/l");
    results.W_l = check.single(in.W / l, "W/l");
    results.DP = check.single(tenToTheFifth * in.h1 * Pw / (in.k * std::pow(l, 4.0)), "DP");
    results.DG = check.single(tenToTheFifth * in.r1 * integerPower(in.h1, 2) / (in.k * square(l)), "DG");
    results.ADT = check.single(tenToTheFifth * in.F * in.alp, "ADT");
}

} // namespace

WheelLoad wheelLoad(const ComputationInputs& in, GearConfiguration gear) {
    const FaultCheck check("AnalysisDriver");
    WheelLoad load;
    load.Pw = check.single(in.P / 2.0, "Pw");
    const double tireArea = check(static_cast<double>(in.tp) * tiresPerSide(gear) * Pi, "tp n pi");
    load.a = check.single(std::pow(check(load.Pw / tireArea, "Pw / (tp n pi)"), 0.5), "a");
    return load;
}

bool runsEdgeStressModel(const AnalysisCase& record) {
    return record.location == WheelLocation::Edge && edgeStressModelSupports(record.gear);
}

void AnalysisDriver(const AnalysisCase& record, AnalysisResults& results) {
    AnalysisDriver(record, readFieldNumbers(record), results);
}

void AnalysisDriver(const AnalysisCase& record, const FieldNumbers& numbers, AnalysisResults& results) {
    const FaultCheck check("AnalysisDriver");
    const ComputationInputs in = toComputationUnits(record, numbers);

    const auto [Pw, a] = wheelLoad(in, record.gear);

    results.SlabEdgeStress = WestergaardEdge(Pw, in.h1, in.E1, in.k, a, in.mu1);
    results.SlabCornerStress = WestergaardCorner(Pw, in.h1, in.E1, in.k, a, in.mu1);
    results.SlabInteriorStress = WestergaardInterior(Pw, in.h1, in.E1, in.k, a, in.mu1);
    writeTopLayerStresses(record, in, Pw, a, results);
    results.SecondLayerFactor = secondLayerFactor(check, record.location, results);

    results.l = relativeStiffness(check, in.E1, in.h1, in.k, in.mu1);
    writeRatios(check, in, Pw, a, results);

    if (record.location == WheelLocation::Edge) {
        results.CurlStress = WestergaardEdgeCurl(in.E1, in.alp, in.F, in.L, in.h1, in.k, in.mu1);
    } else {
        results.CurlStress = check.single(static_cast<double>(in.E1) * in.alp * in.F / (2.0 * (1.0 - in.mu1)),
                                          "curling stress");
    }

    if (runsEdgeStressModel(record)) {
        EdgeModelInputs edge;
        edge.h1 = in.h1;
        edge.L = in.L;
        edge.gear = record.gear;
        edge.tp = in.tp;
        edge.k = in.k;
        edge.P = check.single(2.0 * Pw, "P");
        edge.dT = in.F;
        edge.alpha = in.alp;
        edge.mu = in.mu1;
        edge.E1 = in.E1;
        edge.E2 = in.E2;
        edge.h2 = in.h2;
        edge.d = in.d;
        edge.S = in.S;
        edge.t = in.t;
        edge.layer = record.layer;
        edge.tiedShoulder = record.tiedShoulder;
        edge.widenedLane = record.widenedLane;
        edge.d0 = in.d0;
        edge.AGG_kl = results.AGG_kl;
        edge.l = results.l;
        edge.ADT = results.ADT;
        EdgeStressModel(edge, results);
    }
}

} // namespace korvanex
