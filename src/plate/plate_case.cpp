// SPDX-License-Identifier: Apache-2.0
#include "plate/plate_case.h"

#include "case/fault.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/layer_section.h"
#include "engine/tire_layout.h"

namespace korvanex {

namespace {

// 1.772 is the square root of pi to four figures.
constexpr double SquareSidePerRadius = 1.772;

EquivalentSection sectionOf(const FaultCheck& check, const AnalysisCase& record,
                            const ComputationInputs& in) {
    switch (record.layer) {
    case LayerType::TwoLayerUnbonded:
        return unbondedSection(check, in.h1, in.h2, in.E1, in.E2);
    case LayerType::TwoLayerBonded:
        return bondedSection(check, in.h1, in.h2, in.E1, in.E2).section;
    case LayerType::OneLayer:
        break;
    }
    return {in.h1, 1};
}

std::vector<PlateTire> gearTires(const AnalysisCase& record, const ComputationInputs& in) {
    const WheelLoad wheels = wheelLoad(in, record.gear);
    const double load = static_cast<double>(wheels.Pw) / tiresPerSide(record.gear);
    std::vector<PlateTire> tires;
    for (const PlanPoint& centre : tireCentres(record, in, wheels.a)) {
        tires.push_back({centre, squareTireSide(wheels.a), load});
    }
    return tires;
}

} // namespace

double shoulderWidthOf(const AnalysisCase& record, const std::string& width) {
    AnalysisCase shoulder = record;
    shoulder.W = width;
    return toComputationUnits(shoulder, Field::W);
}

double squareTireSide(double a) {
    return SquareSidePerRadius * a;
}

PlateTire singleTire(WheelLocation location, double L, double W, double side, double load) {
    switch (location) {
    case WheelLocation::Edge:
        return {{L / 2, W - side / 2}, side, load};
    case WheelLocation::Corner:
        return {{side / 2, W - side / 2}, side, load};
    case WheelLocation::Interior:
        break;
    }
    return {{L / 2, W / 2}, side, load};
}

PlanPoint referencePoint(WheelLocation location, const PlateTire& firstTire, double W) {
    switch (location) {
    case WheelLocation::Edge:
        return {firstTire.centre.x, W};
    case WheelLocation::Corner:
        return {0, W};
    case WheelLocation::Interior:
        break;
    }
    return firstTire.centre;
}

PlateModel plateModel(const AnalysisCase& record, const PlateOptions& options) {
    const FaultCheck check("PlateModel");
    const ComputationInputs in = toComputationUnits(record);
    const EquivalentSection section = sectionOf(check, record, in);
    PlateModel model;
    model.length = in.L;
    model.width = in.W;
    model.thickness = section.he;
    model.stressFactor = section.stressFactor;
    model.modulus = in.E1;
    model.poisson = in.mu1;
    model.subgrade = in.k;
    model.shoulderWidth = record.tiedShoulder ? options.shoulderWidth : 0.0;
    model.jointStiffness = in.AGG;
    model.expansion = in.alp;
    model.temperatureDifference = in.F;
    if (options.load == PlateLoad::SingleTire) {
        const WheelLoad wheel = wheelLoad(in, GearConfiguration::SingleSingle);
        model.tires = {singleTire(record.location, in.L, in.W, squareTireSide(wheel.a), wheel.Pw)};
    } else {
        model.tires = gearTires(record, in);
    }
    model.referencePoint = referencePoint(record.location, model.tires.front(), in.W);
    return model;
}

PlateResults analysePlate(const AnalysisCase& record, const PlateOptions& options) {
    return solvePlate(plateModel(record, options), options.mesh);
}

} // namespace korvanex
