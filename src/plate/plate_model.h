// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/case_words.h"
#include "engine/tire_layout.h"

#include <array>
#include <vector>

namespace korvanex {

// A tire's load on the plates: a square of the given side centred on the tire, the load spread
// evenly over it. The part of a square beyond the plates carries no load.
struct PlateTire {
    PlanPoint centre;
    double side = 0; // in
    double load = 0; // lb
};

// A slab on a dense-liquid foundation in computation units (lb, in, psi, pci, degF), in the slab
// plan's frame: the slab is [0, L] x [0, W], a tied shoulder is the strip [0, L] x [W, W + width].
struct PlateModel {
    double length = 0, width = 0; // L, W
    double thickness = 0;         // h: the slab's, or the equivalent section's of two layers
    double modulus = 0, poisson = 0;
    double subgrade = 0;              // k
    double stressFactor = 1;          // from the plate's stress to the stress at the bottom of the top layer
    double shoulderWidth = 0;         // 0: no tied shoulder, a free edge at y = W
    double jointStiffness = 0;        // the shear springs across the shoulder joint, per unit length (AGG)
    double expansion = 0;             // alpha, 1/degF
    double temperatureDifference = 0; // the top warmer than the bottom by this, degF
    std::vector<PlateTire> tires;
    PlanPoint referencePoint{0, 0}; // where the reference deflection is read
};

// How fine the mesh is: the default mesh has every element of the coarse one halved, the fine one
// every element of the default one halved.
enum class PlateMesh { Coarse, Default, Fine };
inline constexpr Word<PlateMesh> PlateMeshWords[] = {
    {"coarse", PlateMesh::Coarse}, {"default", PlateMesh::Default}, {"fine", PlateMesh::Fine}};

// The three load cases of a solution.
enum class PlateState { Loading, Curling, Combined };
inline constexpr std::array<PlateState, 3> PlateStates = {PlateState::Loading, PlateState::Curling,
                                                          PlateState::Combined};

// A stress of the slab and the point where it acts.
struct PlateFaceStress {
    float stress = 0; // psi
    PlanPoint at{0, 0};
};

// The two faces of the slab, where its largest stresses act.
enum class PlateFace { Bottom, Top };
inline constexpr Word<PlateFace> PlateFaceWords[] = {{"bottom", PlateFace::Bottom}, {"top", PlateFace::Top}};

// The response of the slab under one load case. The stresses are the largest principal stresses of
// the face (at the bottom of the top layer of two layers), tensile positive, over the nodes (the
// moments averaged over the elements that meet there) and the elements' centres; they are the
// largest values of the face even where the whole face is in compression. Deflections are downward
// positive.
struct PlateResponse {
    PlateFaceStress bottom, top;
    float referenceDeflection = 0; // in, at the model's reference point
    float maxDeflection = 0;       // in
    PlanPoint maxDeflectionAt{0, 0};
    double totalReaction = 0; // lb: the foundation's push on the slab and the shoulder

    const PlateFaceStress& stress(PlateFace face) const { return face == PlateFace::Top ? top : bottom; }
    // The face of the larger of the two faces' largest stresses; the bottom where they are equal.
    PlateFace criticalFace() const { return top.stress > bottom.stress ? PlateFace::Top : PlateFace::Bottom; }
    const PlateFaceStress& largest() const { return stress(criticalFace()); }
};

enum class PlatePart { Slab, Shoulder };

// A plate's nodes, on the grid of the lines x and y, with the deflection (in) and the largest
// principal stresses of the bottom and top faces (psi) at each node for each load case.
struct PlateNodeValues {
    float deflection = 0;
    float bottomStress = 0;
    float topStress = 0;

    float stress(PlateFace face) const { return face == PlateFace::Top ? topStress : bottomStress; }
};
struct PlateGridValues {
    PlatePart part = PlatePart::Slab;
    std::vector<double> x, y;
    std::array<std::vector<PlateNodeValues>, 3> values; // by PlateState; node (i, j) at j * x.size() + i

    const PlateNodeValues& at(PlateState state, std::size_t i, std::size_t j) const {
        return values[static_cast<std::size_t>(state)][j * x.size() + i];
    }
};

struct PlateResults {
    std::array<PlateResponse, 3> responses; // by PlateState
    double appliedLoad = 0;                 // lb: the tires' load on the plates
    std::vector<PlateGridValues> grids;     // the slab, then the shoulder if any
    std::size_t elementCount = 0;
    std::size_t unknownCount = 0;

    const PlateResponse& response(PlateState state) const {
        return responses[static_cast<std::size_t>(state)];
    }
};

// Solves the plate model with rectangular Bogner-Fox-Schmit elements on a mesh graded from the tires
// outwards, for the tires' load, for the temperature difference, and for both. Throws
// FloatingPointFault on a model that cannot be solved (a thickness, modulus, subgrade modulus, slab
// size or tire side that is not positive, a Poisson's ratio of 1).
PlateResults solvePlate(const PlateModel& model, PlateMesh mesh);

} // namespace korvanex
