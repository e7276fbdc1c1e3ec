// SPDX-License-Identifier: Apache-2.0
// The plate model on whole cases: where a single tire stands, the mesh's convergence, the shoulder, two
// layers, symmetry, loads beyond the slab and degenerate inputs; the order of elimination.

#include "case/fault.h"
#include "plate/node_numbering.h"
#include "plate/plate_case.h"

#include "../case_row.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace korvanex;

namespace {

using enum WheelLocation;
using enum GearConfiguration;
constexpr LayerType One = LayerType::OneLayer;
constexpr UnitSystem English = UnitSystem::English;

PlateOptions withMesh(PlateMesh mesh) {
    PlateOptions options;
    options.mesh = mesh;
    return options;
}

PlateOptions singleTireOn(PlateMesh mesh) {
    PlateOptions options = withMesh(mesh);
    options.load = PlateLoad::SingleTire;
    return options;
}

} // namespace

// The default case's slab is 180 in x 144 in; one tire of Single-Single of 9000 lb at 100 psi has
// a = 5.3524 in, a square of side 9.4844 in.
TEST(PlateModel, ASingleTireStandsAsTheClosedFormsPlaceIt) {
    struct Row {
        WheelLocation location;
        PlanPoint centre, reference;
    };
    const Row rows[] = {
        {Interior, {90, 72}, {90, 72}},
        {Edge, {90, 139.2578}, {90, 144}},
        {Corner, {4.7422, 139.2578}, {0, 144}},
    };
    for (const Row& row : rows) {
        AnalysisCase record = AnalysisCase::defaults(English);
        record.location = row.location;
        const PlateModel model = plateModel(record, singleTireOn(PlateMesh::Default));
        ASSERT_EQ(model.tires.size(), 1u);
        EXPECT_NEAR(model.tires[0].side, 9.4844, 0.0005);
        EXPECT_NEAR(model.tires[0].load, 9000, 1e-9);
        EXPECT_NEAR(model.tires[0].centre.x, row.centre.x, 0.0005);
        EXPECT_NEAR(model.tires[0].centre.y, row.centre.y, 0.0005);
        EXPECT_NEAR(model.referencePoint.x, row.reference.x, 1e-9);
        EXPECT_NEAR(model.referencePoint.y, row.reference.y, 1e-9);
    }
}

// Halving every element of the default mesh changes the largest stress by less than 0.5 %.
TEST(PlateModel, TheDefaultMeshHasConverged) {
    const CaseRow rows[] = {
        // clang-format off
        {"edge dual-single, curling", English, Edge,     DualSingle,   One, false, false, "F=20"},
        {"edge single, tied",         English, Edge,     SingleSingle, One, true,  false, "F=-15"},
        {"corner dual-single",        English, Corner,   DualSingle,   One, false, false, "F=20"},
        {"interior single, 25 ft",    English, Interior, SingleSingle, One, false, false, "L=25 F=20"},
        // clang-format on
    };
    for (const CaseRow& row : rows) {
        const AnalysisCase record = caseOf(row);
        const PlateResults standard = analysePlate(record, withMesh(PlateMesh::Default));
        const PlateResults halved = analysePlate(record, withMesh(PlateMesh::Fine));
        for (PlateState state : PlateStates) {
            const double before = standard.response(state).largest().stress;
            const double after = halved.response(state).largest().stress;
            EXPECT_LT(std::fabs(after / before - 1), 0.005)
                << row.name << ", state " << static_cast<int>(state) << ": " << before << " then " << after;
        }
        EXPECT_EQ(halved.elementCount, 4 * standard.elementCount) << row.name;
    }
}

TEST(PlateModel, ATiedShoulderSharesTheEdgeLoadThroughItsJoint) {
    AnalysisCase record = AnalysisCase::defaults(English);
    const PlateResults free = analysePlate(record, withMesh(PlateMesh::Coarse));
    record.tiedShoulder = true;
    record.AGG = "0";
    const PlateResults loose = analysePlate(record, withMesh(PlateMesh::Coarse));
    record.AGG = "25000";
    const PlateResults tied = analysePlate(record, withMesh(PlateMesh::Coarse));
    record.AGG = "1e9";
    const PlateResults welded = analysePlate(record, withMesh(PlateMesh::Coarse));

    const PlateResponse& edge = free.response(PlateState::Loading);
    EXPECT_EQ(free.grids.size(), 1u);
    ASSERT_EQ(tied.grids.size(), 2u);
    EXPECT_EQ(tied.grids[1].part, PlatePart::Shoulder);
    EXPECT_DOUBLE_EQ(tied.grids[1].y.back(), 144 + DefaultShoulderWidth);
    EXPECT_NEAR(loose.response(PlateState::Loading).bottom.stress, edge.bottom.stress, 1e-3);
    EXPECT_LT(tied.response(PlateState::Loading).bottom.stress, 0.85 * edge.bottom.stress);
    EXPECT_LT(tied.response(PlateState::Loading).referenceDeflection, 0.7 * edge.referenceDeflection);
    EXPECT_LT(welded.response(PlateState::Loading).bottom.stress,
              tied.response(PlateState::Loading).bottom.stress);
    EXPECT_NEAR(tied.response(PlateState::Loading).totalReaction, tied.appliedLoad, 1e-9 * tied.appliedLoad);

    // Welded, the two edges of the joint deflect alike.
    const PlateGridValues& slab = welded.grids[0];
    const PlateGridValues& shoulder = welded.grids[1];
    for (std::size_t i = 0; i < slab.x.size(); ++i) {
        EXPECT_NEAR(slab.at(PlateState::Loading, i, slab.y.size() - 1).deflection,
                    shoulder.at(PlateState::Loading, i, 0).deflection, 1e-6);
    }
}

// Two unbonded layers act as one slab of he = (9.5^3 + 0.5 x 6^3)^(1/3) = 9.883225 in, whose stress
// the top layer carries in the share h1 / he.
TEST(PlateModel, TwoLayersActAsTheirEquivalentSection) {
    AnalysisCase layered = AnalysisCase::defaults(English);
    layered.layer = LayerType::TwoLayerUnbonded;
    layered.F = "20";
    AnalysisCase equivalent = layered;
    equivalent.layer = One;
    equivalent.h1 = "9.883225";
    const PlateResults two = analysePlate(layered, withMesh(PlateMesh::Coarse));
    const PlateResults one = analysePlate(equivalent, withMesh(PlateMesh::Coarse));
    for (PlateState state : PlateStates) {
        EXPECT_NEAR(two.response(state).bottom.stress, one.response(state).bottom.stress * 9.5 / 9.883225,
                    1e-4 * one.response(state).bottom.stress);
        EXPECT_NEAR(two.response(state).maxDeflection, one.response(state).maxDeflection, 1e-6);
    }
}

TEST(PlateModel, ACentredLoadGivesAnAnswerSymmetricAboutBothCentreLines) {
    AnalysisCase record = AnalysisCase::defaults(English);
    record.location = Interior;
    record.gear = DualSingle;
    record.d = "60";
    record.F = "20";
    const PlateResults results = analysePlate(record, withMesh(PlateMesh::Coarse));
    const PlateGridValues& slab = results.grids.front();
    const std::size_t nx = slab.x.size(), ny = slab.y.size();
    for (PlateState state : PlateStates) {
        for (std::size_t j = 0; j < ny; ++j) {
            for (std::size_t i = 0; i < nx; ++i) {
                const PlateNodeValues& node = slab.at(state, i, j);
                for (const PlateNodeValues* mirror :
                     {&slab.at(state, nx - 1 - i, j), &slab.at(state, i, ny - 1 - j)}) {
                    EXPECT_NEAR(node.deflection, mirror->deflection, 1e-9);
                    EXPECT_NEAR(node.bottomStress, mirror->bottomStress, 1e-3);
                    EXPECT_NEAR(node.topStress, mirror->topStress, 1e-3);
                }
            }
        }
    }
    EXPECT_NEAR(results.response(PlateState::Curling).totalReaction, 0, 1e-6);
}

// At the edge the outer tire of Single-Single stands a = 5.352372 in inside the edge y = 144; with
// d = 138.647628 in the inner tire's centre is on the slab's other edge y = 0, half of its square
// beyond it; with d = 160 in all of it is beyond.
TEST(PlateModel, ATireBeyondTheSlabCarriesNoLoad) {
    struct Row {
        const char* d;
        double carried;
    };
    for (const Row& row : {Row{"138.647628", 13500}, Row{"160", 9000}}) {
        AnalysisCase record = AnalysisCase::defaults(English);
        record.gear = SingleSingle;
        record.d = row.d;
        const PlateResults results = analysePlate(record, withMesh(PlateMesh::Coarse));
        EXPECT_NEAR(results.appliedLoad, row.carried, 0.01) << row.d;
        EXPECT_NEAR(results.response(PlateState::Loading).totalReaction, results.appliedLoad,
                    1e-9 * results.appliedLoad)
            << row.d;
    }
}

TEST(PlateModel, DegenerateInputsStopOnAFault) {
    const char* const fields[] = {"k=0", "h1=0", "E1=0", "mu1=1", "P=0", "L=0", "W=abc", "tp=0"};
    for (const char* field : fields) {
        const AnalysisCase record = caseOf({field, English, Edge, DualSingle, One, false, false, field});
        EXPECT_THROW(analysePlate(record, withMesh(PlateMesh::Coarse)), FloatingPointFault) << field;
    }
}

// A 3 x 3 grid is cut at its middle column: the left column, the right, then the middle, each
// from the first row.
TEST(NodeNumbering, NestedDissectionNumbersTheSeparatorLastAndEveryNodeOnce) {
    EXPECT_EQ(nestedDissection(3, 3), (std::vector<std::size_t>{0, 6, 3, 1, 7, 4, 2, 8, 5}));
    EXPECT_EQ(nestedDissection(2, 2), (std::vector<std::size_t>{0, 1, 2, 3}));
    for (const auto& [columns, rows] : {std::pair<std::size_t, std::size_t>{1, 9}, {31, 71}, {40, 7}}) {
        std::vector<std::size_t> numbers = nestedDissection(columns, rows);
        std::sort(numbers.begin(), numbers.end());
        for (std::size_t n = 0; n < numbers.size(); ++n) {
            ASSERT_EQ(numbers[n], n) << columns << " x " << rows;
        }
        EXPECT_EQ(numbers.size(), columns * rows);
    }
}
