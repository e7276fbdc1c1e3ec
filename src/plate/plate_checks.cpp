// SPDX-License-Identifier: Apache-2.0
#include "plate/plate_checks.h"

#include "case/fault.h"
#include "engine/westergaard.h"
#include "plate/closed_forms.h"
#include "plate/plate_case.h"

#include <cmath>

namespace korvanex {

namespace {

struct Pavement {
    float h, E, mu, k;
};

// Huang, Pavement Analysis and Design, 2nd ed.: the loading examples' 10 in slab under 10,000 lb on a
// circle of 6 in radius, and the curling example's 8 in slab under 20 degF.
constexpr Pavement Loaded{10, 4.0e6f, 0.15f, 100};
constexpr float LoadedP = 10000;
constexpr float LoadedA = 6;
constexpr Pavement Curled{8, 4.0e6f, 0.15f, 200};
constexpr float CurledAlpha = 5.0e-6f;
constexpr float CurledDeltaT = 20;

// The loaded slab is 12 l square, large enough for the closed forms of an infinite slab; the curled
// slabs are 4 l wide and from 4 to 12 l long.
constexpr double LoadedSide = 12;
constexpr double CurledWidth = 4;
constexpr double CurledLengths[] = {4, 6, 8, 10, 12};

constexpr double InteriorTolerance = 0.02;
constexpr double EdgeTolerance = 0.03;
constexpr double CornerTolerance = 0.05;
constexpr double CurlingTolerance = 0.05;
constexpr double Exact = 1e-9;

constexpr const char* LoadedCase = "h 10 in, E 4,000,000 psi, mu 0.15, k 100 pci; P 10,000 lb on a = 6 in "
                                   "(a square of side 1.772 a); slab 12 l x 12 l";
constexpr const char* InteriorSource = "Westergaard (1948), ordinary theory with a; Ioannides, Thompson and "
                                       "Barenberg (1985)";
constexpr const char* EdgeSource =
    "Ioannides, Thompson and Barenberg (1985); Huang, Pavement Analysis and Design, eqs. 4.13-4.14";
constexpr const char* CornerSource = "Ioannides, Thompson and Barenberg (1985), c = 1.772 a";
constexpr const char* EdgeCurlingSource = "Bradbury (1938): C E alpha dT / 2, C of Westergaard (1927)";
constexpr const char* CentreCurlingSource = "Bradbury (1938): E alpha dT (Cx + mu Cy) / (2 (1 - mu^2))";
constexpr const char* Statics = "equilibrium: the reaction equals the load the tire puts on the slab";
constexpr const char* Mirror = "symmetry: the same tire at the corner (0, W)";

double radiusOf(const Pavement& pavement) {
    const FaultCheck check("plateChecks");
    return relativeStiffness(check, pavement.E, pavement.h, pavement.k, pavement.mu);
}

PlateModel slabOf(const Pavement& pavement, double L, double W) {
    PlateModel model;
    model.length = L;
    model.width = W;
    model.thickness = pavement.h;
    model.modulus = pavement.E;
    model.poisson = pavement.mu;
    model.subgrade = pavement.k;
    return model;
}

PlateModel loadedSlab(WheelLocation location) {
    const double side = LoadedSide * radiusOf(Loaded);
    PlateModel model = slabOf(Loaded, side, side);
    model.tires = {singleTire(location, side, side, squareTireSide(LoadedA), LoadedP)};
    model.referencePoint = referencePoint(location, model.tires.front(), side);
    return model;
}

// The corner tire at the opposite corner (L, 0): the corner model turned by half a turn.
PlateModel mirroredCornerSlab() {
    PlateModel model = loadedSlab(WheelLocation::Corner);
    PlateTire& tire = model.tires.front();
    tire.centre = {model.length - tire.centre.x, model.width - tire.centre.y};
    model.referencePoint = {model.length, 0};
    return model;
}

std::string lengthText(double ratio) {
    return std::to_string(static_cast<int>(ratio));
}

// The stress at the bottom of the slab under curling, at the node nearest a point.
double curlingStressAt(const PlateResults& results, double x, double y) {
    const PlateGridValues& slab = results.grids.front();
    const auto nearest = [](const std::vector<double>& lines, double at) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            if (std::fabs(lines[i] - at) < std::fabs(lines[best] - at)) {
                best = i;
            }
        }
        return best;
    };
    return slab.at(PlateState::Curling, nearest(slab.x, x), nearest(slab.y, y)).bottomStress;
}

void addLoadingChecks(PlateMesh mesh, std::vector<PlateCheck>& checks) {
    const Pavement& p = Loaded;
    const double l = radiusOf(p);
    const double c = squareTireSide(LoadedA);
    const PlateResults interior = solvePlate(loadedSlab(WheelLocation::Interior), mesh);
    const PlateResults edge = solvePlate(loadedSlab(WheelLocation::Edge), mesh);
    const PlateResults corner = solvePlate(loadedSlab(WheelLocation::Corner), mesh);
    const PlateResults mirrored = solvePlate(mirroredCornerSlab(), mesh);
    const PlateResponse& inside = interior.response(PlateState::Loading);
    const PlateResponse& atEdge = edge.response(PlateState::Loading);
    const PlateResponse& atCorner = corner.response(PlateState::Loading);
    const PlateResponse& opposite = mirrored.response(PlateState::Loading);
    const std::vector<PlateCheck> rows = {
        {"Interior stress, psi", LoadedCase, InteriorSource,
         WestergaardInterior(LoadedP, p.h, p.E, p.k, LoadedA, p.mu), inside.bottom.stress, InteriorTolerance},
        {"Interior deflection, in", LoadedCase, InteriorSource, interiorDeflection(LoadedP, p.k, l, LoadedA),
         inside.referenceDeflection, InteriorTolerance},
        {"Edge stress, psi", LoadedCase, EdgeSource, WestergaardEdge(LoadedP, p.h, p.E, p.k, LoadedA, p.mu),
         atEdge.bottom.stress, EdgeTolerance},
        {"Edge deflection, in", LoadedCase, EdgeSource,
         edgeDeflection(LoadedP, p.E, p.h, p.k, p.mu, LoadedA, l), atEdge.referenceDeflection, EdgeTolerance},
        {"Corner stress, psi", LoadedCase, CornerSource, cornerStress(LoadedP, p.h, c, l),
         atCorner.top.stress, CornerTolerance},
        {"Corner deflection, in", LoadedCase, CornerSource, cornerDeflection(LoadedP, p.k, l, c),
         atCorner.referenceDeflection, CornerTolerance},
        {"Foundation reaction, interior tire, lb", LoadedCase, Statics, interior.appliedLoad,
         inside.totalReaction, Exact},
        {"Foundation reaction, edge tire, lb", LoadedCase, Statics, edge.appliedLoad, atEdge.totalReaction,
         Exact},
        {"Foundation reaction, corner tire, lb", LoadedCase, Statics, corner.appliedLoad,
         atCorner.totalReaction, Exact},
        {"Corner deflection, tire at the corner (L, 0), in", LoadedCase, Mirror, atCorner.referenceDeflection,
         opposite.referenceDeflection, Exact},
        {"Corner stress, tire at the corner (L, 0), psi", LoadedCase, Mirror, atCorner.top.stress,
         opposite.top.stress, Exact},
    };
    checks.insert(checks.end(), rows.begin(), rows.end());
}

void addCurlingChecks(PlateMesh mesh, std::vector<PlateCheck>& checks) {
    const Pavement& p = Curled;
    const double l = radiusOf(p);
    const double W = CurledWidth * l;
    const double restrained = static_cast<double>(p.E) * CurledAlpha * CurledDeltaT / 2;
    const float Cy =
        WestergaardEdgeCurl(p.E, CurledAlpha, CurledDeltaT, static_cast<float>(W), p.h, p.k, p.mu);
    const std::string inputs = "h 8 in, E 4,000,000 psi, mu 0.15, k 200 pci, alpha 5e-6 /degF, dT 20 degF; "
                               "slab 4 l wide";
    for (double ratio : CurledLengths) {
        const double L = ratio * l;
        PlateModel model = slabOf(p, L, W);
        model.expansion = CurledAlpha;
        model.temperatureDifference = CurledDeltaT;
        model.referencePoint = {L / 2, W};
        const PlateResults results = solvePlate(model, mesh);
        const double edge =
            WestergaardEdgeCurl(p.E, CurledAlpha, CurledDeltaT, static_cast<float>(L), p.h, p.k, p.mu);
        const double centre =
            bradburyCentreStress(p.E, CurledAlpha, CurledDeltaT, p.mu, edge / restrained, Cy / restrained);
        checks.push_back({"Curling stress, middle of the long edge, L/l = " + lengthText(ratio) + ", psi",
                          inputs, EdgeCurlingSource, edge, curlingStressAt(results, L / 2, W),
                          CurlingTolerance});
        checks.push_back({"Curling stress, slab centre, L/l = " + lengthText(ratio) + ", psi", inputs,
                          CentreCurlingSource, centre, curlingStressAt(results, L / 2, W / 2),
                          CurlingTolerance});
    }
}

} // namespace

bool PlateCheck::passes() const {
    return std::fabs(computed - reference) <= relativeTolerance * std::fabs(reference);
}

std::vector<PlateCheck> plateChecks(PlateMesh mesh) {
    std::vector<PlateCheck> checks;
    addLoadingChecks(mesh, checks);
    addCurlingChecks(mesh, checks);
    return checks;
}

} // namespace korvanex
