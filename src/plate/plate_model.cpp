// SPDX-License-Identifier: Apache-2.0
#include "plate/plate_model.h"

#include "case/fault.h"
#include "plate/graded_division.h"
#include "plate/hermite_rectangle.h"
#include "plate/node_numbering.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <algorithm>
#include <cmath>

namespace korvanex {

namespace {

// The default mesh: six elements across a tire's side, growing by half the distance from the tires
// up to a quarter of the radius of relative stiffness, and no more than this many elements of that
// size along the slab's larger side. The coarse mesh has two elements across a tire and four times
// the size far from them; the fine mesh is the default one with every element halved.
struct MeshDensity {
    double tireElements;
    double shareOfRadius;
    int parts;
};
constexpr MeshDensity CoarseMesh{2, 1.0, 1};
constexpr MeshDensity DefaultMesh{6, 0.25, 1};
constexpr MeshDensity FineMesh{6, 0.25, 2};
constexpr double Growth = 0.5;
constexpr double MostCoarseElements = 40;

constexpr std::size_t UnknownsPerNode = 4; // w, w,x, w,y, w,xy

// One plate's grid and the place of its nodes' unknowns among all of them.
struct Plate {
    PlatePart part;
    std::vector<double> x, y;
    std::vector<std::size_t> nodeNumbers; // each node's place in the order of elimination

    std::size_t nodeCount() const { return x.size() * y.size(); }
    std::size_t node(std::size_t i, std::size_t j) const { return j * x.size() + i; }
    // The first unknown of a node, its w.
    std::size_t nodeUnknown(std::size_t node) const { return UnknownsPerNode * nodeNumbers[node]; }
    // The unknown of the element (i, j) with the local number 4 a + b.
    std::size_t unknown(std::size_t i, std::size_t j, std::size_t a, std::size_t b) const {
        return nodeUnknown(node(i + a / 2, j + b / 2)) + a % 2 + 2 * (b % 2);
    }
};

struct Material {
    double D; // flexural rigidity
    double mu;
    double k;
    double thermalCurvature; // alpha dT / h: the curvature a free slab would take
    double stressScale;      // from a moment per unit length to the stress reported
};

void requirePositive(const FaultCheck& check, double value, const char* step) {
    check(value, step);
    if (!(value > 0)) {
        throw FloatingPointFault("PlateModel", step);
    }
}

double relativeStiffnessOf(const FaultCheck& check, const PlateModel& model) {
    const double rigidity = check(model.modulus * std::pow(model.thickness, 3.0), "E h^3");
    const double support =
        check(12 * (1 - model.poisson * model.poisson) * model.subgrade, "12 (1 - mu^2) k");
    const double l = check(std::pow(check(rigidity / support, "E h^3 / (12 (1 - mu^2) k)"), 0.25), "l");
    requirePositive(check, l, "l");
    return l;
}

struct Span {
    double from, to;
};

Span tireSpan(double centre, double side) {
    return {centre - side / 2, centre + side / 2};
}

std::vector<double> divisionOf(double from, double to, const std::vector<double>& points,
                               const std::vector<FineZone>& zones, const GradedSpacing& spacing, int parts) {
    return subdivided(gradedDivision(from, to, points, zones, spacing), parts);
}

// The plates share their lines x, and the shoulder's rows of nodes follow the slab's across the joint:
// together they are one grid, numbered for elimination by nested dissection.
void numberNodes(std::vector<Plate>& plates) {
    std::size_t rows = 0;
    for (const Plate& plate : plates) {
        rows += plate.y.size();
    }
    const std::vector<std::size_t> numbers = nestedDissection(plates.front().x.size(), rows);
    auto first = numbers.begin();
    for (Plate& plate : plates) {
        const auto end = first + static_cast<std::ptrdiff_t>(plate.nodeCount());
        plate.nodeNumbers.assign(first, end);
        first = end;
    }
}

std::vector<Plate> buildPlates(const PlateModel& model, PlateMesh mesh, double l) {
    const MeshDensity density = mesh == PlateMesh::Coarse    ? CoarseMesh
                                : mesh == PlateMesh::Default ? DefaultMesh
                                                             : FineMesh;
    const double extent = std::max(model.length, model.width + model.shoulderWidth);
    GradedSpacing spacing{0, std::max(density.shareOfRadius * l, extent / MostCoarseElements), Growth};
    spacing.fineSize = spacing.coarseSize;
    std::vector<double> xPoints = {model.referencePoint.x, model.length / 2};
    std::vector<double> yPoints = {model.referencePoint.y, model.width / 2};
    std::vector<FineZone> xZones, yZones;
    for (const PlateTire& tire : model.tires) {
        spacing.fineSize = std::min(spacing.fineSize, tire.side / density.tireElements);
        const Span x = tireSpan(tire.centre.x, tire.side);
        const Span y = tireSpan(tire.centre.y, tire.side);
        xPoints.insert(xPoints.end(), {x.from, tire.centre.x, x.to});
        yPoints.insert(yPoints.end(), {y.from, tire.centre.y, y.to});
        xZones.push_back({x.from, x.to});
        yZones.push_back({y.from, y.to});
    }
    const std::vector<double> x = divisionOf(0, model.length, xPoints, xZones, spacing, density.parts);
    std::vector<Plate> plates = {
        {PlatePart::Slab, x, divisionOf(0, model.width, yPoints, yZones, spacing, density.parts), {}}};
    if (model.shoulderWidth > 0) {
        plates.push_back({PlatePart::Shoulder,
                          x,
                          divisionOf(model.width, model.width + model.shoulderWidth, yPoints, yZones, spacing,
                                     density.parts),
                          {}});
    }
    numberNodes(plates);
    return plates;
}

std::vector<HermiteIntegrals> intervalIntegrals(const std::vector<double>& nodes) {
    std::vector<HermiteIntegrals> integrals;
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        integrals.push_back(hermiteIntegrals(nodes[i] - nodes[i - 1]));
    }
    return integrals;
}

using Triplets = std::vector<Eigen::Triplet<double>>;

// The upper triangle of the plates' stiffness and of the foundation's, element by element.
void addPlateStiffness(const Plate& plate, const Material& material, Triplets& triplets) {
    const std::vector<HermiteIntegrals> xIntegrals = intervalIntegrals(plate.x);
    const std::vector<HermiteIntegrals> yIntegrals = intervalIntegrals(plate.y);
    for (std::size_t j = 0; j < yIntegrals.size(); ++j) {
        for (std::size_t i = 0; i < xIntegrals.size(); ++i) {
            const ElementMatrix K =
                plateElementStiffness(xIntegrals[i], yIntegrals[j], material.D, material.mu, material.k);
            for (std::size_t r = 0; r < 16; ++r) {
                const std::size_t row = plate.unknown(i, j, r / 4, r % 4);
                for (std::size_t c = 0; c < 16; ++c) {
                    const std::size_t column = plate.unknown(i, j, c / 4, c % 4);
                    if (row <= column) {
                        triplets.emplace_back(static_cast<int>(row), static_cast<int>(column), K[r][c]);
                    }
                }
            }
        }
    }
}

// The shear springs across the joint between the slab's outer edge and the shoulder's inner edge:
// ∫ AGG (w_slab - w_shoulder)^2 / 2 along the joint, with w along it the Hermite cubic of the
// edge nodes' w and w,x.
void addJointSprings(const Plate& slab, const Plate& shoulder, double stiffness, Triplets& triplets) {
    const std::vector<HermiteIntegrals> integrals = intervalIntegrals(slab.x);
    const std::size_t slabRow = slab.y.size() - 1;
    for (std::size_t i = 0; i < integrals.size(); ++i) {
        for (std::size_t a = 0; a < 4; ++a) {
            for (std::size_t c = 0; c < 4; ++c) {
                const double spring = stiffness * integrals[i].values[a][c];
                const auto s1 = static_cast<int>(slab.unknown(i, slabRow, a, 0));
                const auto s2 = static_cast<int>(slab.unknown(i, slabRow, c, 0));
                const auto h1 = static_cast<int>(shoulder.unknown(i, 0, a, 0));
                const auto h2 = static_cast<int>(shoulder.unknown(i, 0, c, 0));
                if (s1 <= s2) {
                    triplets.emplace_back(s1, s2, spring);
                }
                if (h1 <= h2) {
                    triplets.emplace_back(h1, h2, spring);
                }
                triplets.emplace_back(std::min(h1, s2), std::max(h1, s2), -spring);
            }
        }
    }
}

// The elements of a grid line that overlap a span, with the overlap in each element's own coordinate.
template <typename Visit> void overlaps(const std::vector<double>& nodes, Span span, Visit visit) {
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        const double from = std::max(span.from, nodes[i]);
        const double to = std::min(span.to, nodes[i + 1]);
        if (to > from) {
            visit(i, from - nodes[i], to - nodes[i]);
        }
    }
}

// The tires' load on one plate; returns the load the plate carries.
double addTireLoads(const Plate& plate, const std::vector<PlateTire>& tires, Eigen::MatrixXd& loads) {
    double carried = 0;
    for (const PlateTire& tire : tires) {
        const double pressure = tire.load / (tire.side * tire.side);
        overlaps(plate.y, tireSpan(tire.centre.y, tire.side), [&](std::size_t j, double y0, double y1) {
            const HermiteValues yShare = hermitePartialIntegral(plate.y[j + 1] - plate.y[j], y0, y1);
            overlaps(plate.x, tireSpan(tire.centre.x, tire.side), [&](std::size_t i, double x0, double x1) {
                const HermiteValues xShare = hermitePartialIntegral(plate.x[i + 1] - plate.x[i], x0, x1);
                for (std::size_t a = 0; a < 4; ++a) {
                    for (std::size_t b = 0; b < 4; ++b) {
                        loads(static_cast<Eigen::Index>(plate.unknown(i, j, a, b)), 0) +=
                            pressure * xShare[a] * yShare[b];
                    }
                }
                carried += pressure * (x1 - x0) * (y1 - y0);
            });
        });
    }
    return carried;
}

// The thermal moment M_T = D (1 + mu) alpha dT / h = E alpha dT h^2 / (12 (1 - mu)) on every element:
// ∫ M_T (v,xx + v,yy).
void addThermalLoads(const Plate& plate, double thermalMoment, Eigen::MatrixXd& loads) {
    const std::vector<HermiteIntegrals> xIntegrals = intervalIntegrals(plate.x);
    const std::vector<HermiteIntegrals> yIntegrals = intervalIntegrals(plate.y);
    for (std::size_t j = 0; j < yIntegrals.size(); ++j) {
        for (std::size_t i = 0; i < xIntegrals.size(); ++i) {
            const HermiteIntegrals& x = xIntegrals[i];
            const HermiteIntegrals& y = yIntegrals[j];
            for (std::size_t a = 0; a < 4; ++a) {
                for (std::size_t b = 0; b < 4; ++b) {
                    loads(static_cast<Eigen::Index>(plate.unknown(i, j, a, b)), 1) +=
                        thermalMoment *
                        (x.curvatureIntegral[a] * y.integral[b] + x.integral[a] * y.curvatureIntegral[b]);
                }
            }
        }
    }
}

using Solution = Eigen::VectorXd;

double elementUnknown(const Plate& plate, const Solution& u, std::size_t i, std::size_t j,
                      std::size_t local) {
    return u[static_cast<Eigen::Index>(plate.unknown(i, j, local / 4, local % 4))];
}

// The bending moments per unit length at a point of an element, sagging positive: M = -D (kappa -
// kappa_T m) with kappa = (w,xx, w,yy, 2 w,xy) and m = (1, 1, 0).
struct Moments {
    double x = 0, y = 0, xy = 0;
};

Moments momentsAt(const Plate& plate, const Solution& u, const Material& material, double thermalCurvature,
                  std::size_t i, std::size_t j, double xi, double eta) {
    const double hx = plate.x[i + 1] - plate.x[i];
    const double hy = plate.y[j + 1] - plate.y[j];
    const HermiteValues Nx = hermiteValues(hx, xi), Ny = hermiteValues(hy, eta);
    const HermiteValues Sx = hermiteSlopes(hx, xi), Sy = hermiteSlopes(hy, eta);
    const HermiteValues Cx = hermiteCurvatures(hx, xi), Cy = hermiteCurvatures(hy, eta);
    double wxx = 0, wyy = 0, wxy = 0;
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t b = 0; b < 4; ++b) {
            const double value = elementUnknown(plate, u, i, j, 4 * a + b);
            wxx += Cx[a] * Ny[b] * value;
            wyy += Nx[a] * Cy[b] * value;
            wxy += Sx[a] * Sy[b] * value;
        }
    }
    const double D = material.D, mu = material.mu;
    const double free = (1 + mu) * thermalCurvature;
    return {-D * (wxx + mu * wyy - free), -D * (wyy + mu * wxx - free), -D * (1 - mu) * wxy};
}

double deflectionAt(const Plate& plate, const Solution& u, PlanPoint point) {
    const auto cell = [](const std::vector<double>& nodes, double at) {
        const auto above = std::upper_bound(nodes.begin() + 1, nodes.end() - 1, at);
        return static_cast<std::size_t>(above - nodes.begin()) - 1;
    };
    const std::size_t i = cell(plate.x, point.x), j = cell(plate.y, point.y);
    const double hx = plate.x[i + 1] - plate.x[i];
    const double hy = plate.y[j + 1] - plate.y[j];
    const HermiteValues Nx = hermiteValues(hx, std::clamp((point.x - plate.x[i]) / hx, 0.0, 1.0));
    const HermiteValues Ny = hermiteValues(hy, std::clamp((point.y - plate.y[j]) / hy, 0.0, 1.0));
    double w = 0;
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t b = 0; b < 4; ++b) {
            w += Nx[a] * Ny[b] * elementUnknown(plate, u, i, j, 4 * a + b);
        }
    }
    return w;
}

double foundationReaction(const Plate& plate, const Solution& u, double k) {
    const std::vector<HermiteIntegrals> xIntegrals = intervalIntegrals(plate.x);
    const std::vector<HermiteIntegrals> yIntegrals = intervalIntegrals(plate.y);
    double reaction = 0;
    for (std::size_t j = 0; j < yIntegrals.size(); ++j) {
        for (std::size_t i = 0; i < xIntegrals.size(); ++i) {
            for (std::size_t local = 0; local < 16; ++local) {
                reaction += k * xIntegrals[i].integral[local / 4] * yIntegrals[j].integral[local % 4] *
                            elementUnknown(plate, u, i, j, local);
            }
        }
    }
    return reaction;
}

// The largest principal stresses of the bottom and top faces under the moments, tensile positive.
struct FaceStresses {
    double bottom, top;
};

FaceStresses faceStresses(const Moments& m, const Material& material) {
    const double centre = (m.x + m.y) / 2;
    const double radius = std::hypot((m.x - m.y) / 2, m.xy);
    return {material.stressScale * (centre + radius), -material.stressScale * (centre - radius)};
}

// The nodes' values: the deflection, and the principal stresses of the moments averaged over the
// elements that meet at the node.
std::vector<PlateNodeValues> nodeValues(const FaultCheck& check, const Plate& plate, const Solution& u,
                                        const Material& material, double thermalCurvature) {
    std::vector<Moments> sums(plate.nodeCount());
    std::vector<int> counts(plate.nodeCount(), 0);
    for (std::size_t j = 0; j + 1 < plate.y.size(); ++j) {
        for (std::size_t i = 0; i + 1 < plate.x.size(); ++i) {
            for (std::size_t corner = 0; corner < 4; ++corner) {
                const std::size_t ci = corner % 2, cj = corner / 2;
                const Moments m = momentsAt(plate, u, material, thermalCurvature, i, j,
                                            static_cast<double>(ci), static_cast<double>(cj));
                Moments& sum = sums[plate.node(i + ci, j + cj)];
                sum.x += m.x;
                sum.y += m.y;
                sum.xy += m.xy;
                ++counts[plate.node(i + ci, j + cj)];
            }
        }
    }
    std::vector<PlateNodeValues> values(plate.nodeCount());
    for (std::size_t n = 0; n < values.size(); ++n) {
        const Moments average{sums[n].x / counts[n], sums[n].y / counts[n], sums[n].xy / counts[n]};
        const FaceStresses stresses = faceStresses(average, material);
        values[n].deflection = check.single(u[static_cast<Eigen::Index>(plate.nodeUnknown(n))], "deflection");
        values[n].bottomStress = check.single(stresses.bottom, "bottom stress");
        values[n].topStress = check.single(stresses.top, "top stress");
    }
    return values;
}

void keepLarger(PlateFaceStress& largest, double stress, PlanPoint at) {
    if (stress > largest.stress) {
        largest = {static_cast<float>(stress), at};
    }
}

// The stresses at the elements' centres, where the largest stress between two nodes of a coarse
// part of the mesh stands nearest.
void includeElementCentres(const FaultCheck& check, const Plate& plate, const Solution& u,
                           const Material& material, double thermalCurvature, PlateResponse& response) {
    for (std::size_t j = 0; j + 1 < plate.y.size(); ++j) {
        for (std::size_t i = 0; i + 1 < plate.x.size(); ++i) {
            const FaceStresses stresses =
                faceStresses(momentsAt(plate, u, material, thermalCurvature, i, j, 0.5, 0.5), material);
            const PlanPoint centre{(plate.x[i] + plate.x[i + 1]) / 2, (plate.y[j] + plate.y[j + 1]) / 2};
            keepLarger(response.bottom, check.single(stresses.bottom, "bottom stress"), centre);
            keepLarger(response.top, check.single(stresses.top, "top stress"), centre);
        }
    }
}

PlateResponse slabResponse(const PlateGridValues& slab, PlateState state) {
    PlateResponse response;
    response.bottom.stress = response.top.stress = -HUGE_VALF;
    response.maxDeflection = -HUGE_VALF;
    for (std::size_t j = 0; j < slab.y.size(); ++j) {
        for (std::size_t i = 0; i < slab.x.size(); ++i) {
            const PlateNodeValues& node = slab.at(state, i, j);
            const PlanPoint at{slab.x[i], slab.y[j]};
            keepLarger(response.bottom, node.bottomStress, at);
            keepLarger(response.top, node.topStress, at);
            if (node.deflection > response.maxDeflection) {
                response.maxDeflection = node.deflection;
                response.maxDeflectionAt = at;
            }
        }
    }
    return response;
}

} // namespace

PlateResults solvePlate(const PlateModel& model, PlateMesh mesh) {
    const FaultCheck check("PlateModel");
    requirePositive(check, model.length, "slab length");
    requirePositive(check, model.width, "slab width");
    requirePositive(check, model.thickness, "thickness");
    for (const PlateTire& tire : model.tires) {
        requirePositive(check, tire.side, "tire side");
    }
    const double l = relativeStiffnessOf(check, model);
    const double h = model.thickness;
    const double D =
        check(model.modulus * std::pow(h, 3.0) / (12 * (1 - model.poisson * model.poisson)), "D");
    const Material material{D, model.poisson, model.subgrade,
                            check(model.expansion * model.temperatureDifference / h, "alpha dT / h"),
                            check(model.stressFactor * 6 / (h * h), "6 / h^2")};

    const std::vector<Plate> plates = buildPlates(model, mesh, l);
    Eigen::Index unknowns = 0;
    for (const Plate& plate : plates) {
        unknowns += static_cast<Eigen::Index>(UnknownsPerNode * plate.nodeCount());
    }

    Triplets triplets;
    triplets.reserve(static_cast<std::size_t>(unknowns) * 40);
    Eigen::MatrixXd loads = Eigen::MatrixXd::Zero(unknowns, 2);
    PlateResults results;
    const double thermalMoment = check(D * (1 + model.poisson) * material.thermalCurvature, "thermal moment");
    for (const Plate& plate : plates) {
        addPlateStiffness(plate, material, triplets);
        results.appliedLoad += addTireLoads(plate, model.tires, loads);
        addThermalLoads(plate, thermalMoment, loads);
        results.elementCount += (plate.x.size() - 1) * (plate.y.size() - 1);
    }
    if (plates.size() > 1) {
        addJointSprings(plates[0], plates[1], model.jointStiffness, triplets);
    }
    Eigen::SparseMatrix<double> stiffness(unknowns, unknowns);
    stiffness.setFromTriplets(triplets.begin(), triplets.end());
    // The unknowns are numbered for elimination already: no other ordering, and no copy of the matrix.
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Upper, Eigen::NaturalOrdering<int>>
        solver(stiffness);
    if (solver.info() != Eigen::Success) {
        throw FloatingPointFault("PlateModel", "stiffness factorisation");
    }
    // One step of iterative refinement takes most of the factorisation's rounding out of the solution;
    // what remains of the difference between the foundation's reaction and the load, some 1e-10 of
    // it, is the rounding of the plates' stiffness, whose rigid-body modes it only nearly leaves
    // free of strain.
    Eigen::MatrixXd solved = solver.solve(loads);
    const Eigen::MatrixXd residual = loads - stiffness.selfadjointView<Eigen::Upper>() * solved;
    solved += solver.solve(residual);
    const std::array<Solution, 3> solutions = {solved.col(0), solved.col(1), solved.col(0) + solved.col(1)};
    const std::array<double, 3> thermalCurvatures = {0, material.thermalCurvature, material.thermalCurvature};

    results.unknownCount = static_cast<std::size_t>(unknowns);
    for (const Plate& plate : plates) {
        PlateGridValues grid{plate.part, plate.x, plate.y, {}};
        for (std::size_t s = 0; s < solutions.size(); ++s) {
            grid.values[s] = nodeValues(check, plate, solutions[s], material, thermalCurvatures[s]);
        }
        results.grids.push_back(std::move(grid));
    }
    for (std::size_t s = 0; s < solutions.size(); ++s) {
        PlateResponse& response = results.responses[s];
        response = slabResponse(results.grids.front(), PlateStates[s]);
        includeElementCentres(check, plates.front(), solutions[s], material, thermalCurvatures[s], response);
        response.referenceDeflection = check.single(
            deflectionAt(plates.front(), solutions[s], model.referencePoint), "reference deflection");
        for (const Plate& plate : plates) {
            response.totalReaction +=
                check(foundationReaction(plate, solutions[s], model.subgrade), "reaction");
        }
    }
    return results;
}

} // namespace korvanex
