// SPDX-License-Identifier: Apache-2.0
// The result CSV of a batch: the header, each row's status, warnings and results in its own units.

#include "formats/batch_lines.h"

#include "../case_row.h"
#include "../golden_file.h"
#include "case/number_text.h"
#include "engine/compute_stresses.h"
#include "io/csv_reader.h"
#include "plate/plate_case.h"
#include "studies/batch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace korvanex {
namespace {

using Cells = std::vector<std::string>;

struct BatchRun {
    std::string error;
    std::string text;
    Cells header;
    std::vector<Cells> rows;
};

BatchRun batch(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.error = runBatch(in, out, BatchLines());
    run.text = out.str();
    std::istringstream written(run.text);
    CsvReader reader(written);
    Cells cells;
    for (bool first = true; reader.read(cells) == CsvReader::Status::Record; first = false) {
        if (first) {
            run.header = cells;
        } else {
            run.rows.push_back(cells);
        }
    }
    return run;
}

std::string cell(const BatchRun& run, std::size_t row, const std::string& column) {
    for (std::size_t index = 0; index < run.header.size(); ++index) {
        if (run.header[index] == column) {
            return run.rows.at(row).at(index);
        }
    }
    return "no column " + column;
}

// The cells of a row against the case computed on its own: stresses in kPa (psi x 6.89) and the radius
// in cm (in x 2.54) for metric rows; the edge model's cells only where that model runs.
void expectResults(const BatchRun& run, std::size_t row, const AnalysisCase& record, bool edgeModel) {
    AnalysisResults r;
    computeStresses(record, r);
    const double stress = record.units == UnitSystem::Metric ? 6.89 : 1;
    const double length = record.units == UnitSystem::Metric ? 2.54 : 1;
    EXPECT_EQ(cell(run, row, "status"), "ok");
    EXPECT_EQ(cell(run, row, "l"), doubleText(r.l * length));
    EXPECT_EQ(cell(run, row, "CombinedStress"), floatText(static_cast<float>(r.CombinedStress * stress)));
    EXPECT_EQ(cell(run, row, "GearFactor"), floatText(r.GearFactor));
    EXPECT_EQ(cell(run, row, "MdBottomLayerStress"),
              edgeModel ? floatText(static_cast<float>(r.MdBottomLayerStress * stress)) : "");
}

} // namespace

TEST(Batch, EachRowIsTheCaseOfItsCellsInItsOwnUnits) {
    const BatchRun run = batch("\xEF\xBB\xBFUnits,LOCATION,gear,Layer,tied,widened,H1,k,F\r\n"
                               "english,interior,dual-tandem,one,yes,no,10,200,20\r\n"
                               "METRIC,Edge,DUAL-TRIDEM,Bonded,no,YES,\"25.4\",54.2,11\r\n"
                               ",,,,,,,,\r\n");
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.text.substr(0, 79),
              "Units,LOCATION,gear,Layer,tied,widened,H1,k,F,status,warnings,l,a_l,D0_l,AGG_kl");
    EXPECT_NE(run.text.find("\nMETRIC,Edge,DUAL-TRIDEM,Bonded,no,YES,25.4,54.2,11,ok,"), std::string::npos);
    EXPECT_EQ(run.text.find('\r'), std::string::npos);
    ASSERT_EQ(run.rows.size(), 3u);

    using enum WheelLocation;
    using enum GearConfiguration;
    expectResults(run, 0,
                  caseOf({"english", UnitSystem::English, Interior, DualTandem, LayerType::OneLayer, true,
                          false, "h1=10 k=200 F=20"}),
                  false);
    expectResults(run, 1,
                  caseOf({"metric", UnitSystem::Metric, Edge, DualTridem, LayerType::TwoLayerBonded, false,
                          true, "h1=25.4 k=54.2 F=11"}),
                  true);
    expectResults(run, 2, AnalysisCase::defaults(UnitSystem::English), true);
}

// The example batch of the documentation, byte for byte: every column in its place, each number in
// its shortest text.
TEST(Batch, TheDocumentedExampleGivesItsReferenceRows) {
    std::ifstream example(KORVANEX_TEST_DATA "/../../docs/examples/cases.csv", std::ios::binary);
    std::ostringstream input;
    input << example.rdbuf();
    const BatchRun run = batch(input.str());
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(goldenDifference(KORVANEX_TEST_DATA "/batch/cases-results.csv", run.text), "");
}

TEST(Batch, ABadRowIsAnErrorRowAndAFaultAFaultRow) {
    const BatchRun run = batch("units,gear,tied,k\n"
                               ",xyz,no,130\n"
                               "imperial,,no,130\n"
                               ",,maybe,130\n"
                               ",,no\n"
                               ",,no,0\n"
                               ",single-tandem,yes,130\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.rows.size(), 6u);
    const char* const statuses[] = {"error: unknown gear \"xyz\"", "error: unknown units \"imperial\"",
                                    "error: unknown tied \"maybe\"", "error: 3 cells where the header has 4",
                                    "fault: WestergaardEdge"};
    for (std::size_t row = 0; row < 5; ++row) {
        EXPECT_EQ(cell(run, row, "status"), statuses[row]);
        EXPECT_EQ(cell(run, row, "CombinedStress"), "");
    }
    expectResults(run, 5,
                  caseOf({"tied", UnitSystem::English, WheelLocation::Edge, GearConfiguration::SingleTandem,
                          LayerType::OneLayer, true, false, ""}),
                  false);
}

// A plate column asks for the plate model in the rows that say yes: its numbers as the case's own
// model gives them, in the row's units (kPa = psi x 6.89, cm = in x 2.54, kN = lb x 0.00445); the
// other rows leave its cells empty.
TEST(Batch, APlateColumnAddsThePlateModelsNumbersToTheRowsThatAskForThem) {
    const BatchRun run =
        batch("units,location,Plate,F\nenglish,corner,yes,20\nmetric,edge, YES ,\n,,no,\n,,maybe,\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.header.size(), 4u + 2 + 34 + 7);
    EXPECT_EQ(run.header.back(), "plate_total_reaction");
    using enum WheelLocation;
    const AnalysisCase corner = caseOf({"", UnitSystem::English, Corner, GearConfiguration::DualSingle,
                                        LayerType::OneLayer, false, false, "F=20"});
    const PlateResults english = analysePlate(corner);
    const PlateResponse& loading = english.response(PlateState::Loading);
    EXPECT_EQ(cell(run, 0, "plate_loading_stress"), floatText(loading.largest().stress));
    EXPECT_EQ(cell(run, 0, "plate_loading_stress_face"),
              loading.top.stress > loading.bottom.stress ? "top" : "bottom");
    EXPECT_EQ(cell(run, 0, "plate_combined_stress"),
              floatText(english.response(PlateState::Combined).largest().stress));
    EXPECT_EQ(cell(run, 0, "plate_total_reaction"), doubleText(loading.totalReaction));

    const PlateResults metric = analysePlate(AnalysisCase::defaults(UnitSystem::Metric));
    const PlateResponse& edge = metric.response(PlateState::Loading);
    EXPECT_EQ(cell(run, 1, "plate_loading_stress"),
              floatText(static_cast<float>(edge.largest().stress * 6.89)));
    EXPECT_EQ(cell(run, 1, "plate_max_deflection"), floatText(static_cast<float>(edge.maxDeflection * 2.54)));
    EXPECT_EQ(cell(run, 1, "plate_total_reaction"), doubleText(edge.totalReaction * 0.00445));
    EXPECT_EQ(cell(run, 2, "status") + cell(run, 2, "plate_loading_stress"), "ok");
    EXPECT_EQ(cell(run, 3, "status"), "error: unknown plate \"maybe\"");
    EXPECT_EQ(run.rows[3].size(), run.header.size());
}

TEST(Batch, StopsOnAnUnknownOrRepeatedColumnAndOnInputThatIsNotCsv) {
    for (const auto& [input, error] :
         {std::pair<std::string, std::string>{"h1,k,H1\n9,130,10\n", "repeated column \"H1\""},
          {"", "not a CSV file: there is no header row"}}) {
        const BatchRun run = batch(input);
        EXPECT_EQ(run.error, error);
        EXPECT_EQ(run.text, "");
    }
    EXPECT_EQ(batch("Slab Thickness\n9\n").error.substr(0, 31), "unknown column \"Slab Thickness\"");
    const BatchRun run = batch(std::string("h1\n9\n1\0\n", 8));
    EXPECT_EQ(run.error, "not a CSV file: line 3: a NUL byte: this is not a text file");
    EXPECT_EQ(run.rows.size(), 1u) << "rows before the fault are already written";
}

} // namespace korvanex
