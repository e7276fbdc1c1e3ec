// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "plate/plate_model.h"

#include <string>

namespace korvanex {

// The tied shoulder's width when none is given: 10 ft.
inline constexpr double DefaultShoulderWidth = 120; // in

// What loads the slab: the case's whole gear, or one tire of the wheel load P/2 with the radius a
// of a Single-Single gear, placed as the closed forms of the interior, edge and corner place it.
enum class PlateLoad { Gear, SingleTire };
inline constexpr Word<PlateLoad> PlateLoadWords[] = {{"gear", PlateLoad::Gear},
                                                     {"single", PlateLoad::SingleTire}};

struct PlateOptions {
    double shoulderWidth = DefaultShoulderWidth; // in; used when the case's shoulder is tied
    PlateMesh mesh = PlateMesh::Default;
    PlateLoad load = PlateLoad::Gear;
};

// A tied shoulder's width written in the case's unit of W (ft or m), in inches: converted as W is.
double shoulderWidthOf(const AnalysisCase& record, const std::string& width);

// The side of the square of the same area as a tire's contact circle of radius a: 1.772 a.
double squareTireSide(double a);

// One tire standing alone at a location of an L x W slab, as its square's side: at the slab's centre
// (interior), its side on the middle of the outer edge y = W (edge), or its sides on the outer edge
// and the transverse joint x = 0 (corner).
PlateTire singleTire(WheelLocation location, double L, double W, double side, double load);

// Where a location's reference deflection is read: under the first tire's centre (interior), on the
// outer edge beside it (edge), at the slab's corner (0, W) (corner).
PlanPoint referencePoint(WheelLocation location, const PlateTire& firstTire, double W);

// The plate model of a case in computation units: the slab L x W of thickness h1, or of the
// equivalent section of two layers by the same bonded or unbonded rule as the analysis, E1, mu1 and
// k; the tied shoulder of the given width joined by springs of AGG; the temperature difference |dT|
// with the top warmer; and the gear's tires as squares of side 1.772 a centred where the slab plan
// draws them, each carrying its share of the wheel load P/2. Throws FloatingPointFault on inputs that
// leave no wheel load, tire radius or section.
PlateModel plateModel(const AnalysisCase& record, const PlateOptions& options);

// The plate model of a case, solved.
PlateResults analysePlate(const AnalysisCase& record, const PlateOptions& options = {});

} // namespace korvanex
