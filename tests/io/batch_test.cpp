#include "io/batch.h"

#include "engine/compute_stresses.h"
#include "io/csv_reader.h"
#include "io/number_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

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
    run.error = runBatch(in, out);
    run.text = out.str();
    std::istringstream written(run.text);
    CsvReader reader(written);
    Cells cells;
    if (reader.read(cells) == CsvReader::Status::Record) {
        run.header = cells;
    }
    while (reader.read(cells) == CsvReader::Status::Record) {
        run.rows.push_back(cells);
    }
    EXPECT_EQ(reader.error(), "");
    return run;
}

// The result cells a row must hold: the results of the case computed on its own, stresses in kPa
// (psi x 6.89) and the radius in cm (in x 2.54) for metric rows, factors and ratios as they are; the
// edge model's cells only where that model runs (wheels at the edge, gears other than Single-Tandem
// and Single-Tridem).
std::vector<std::pair<std::string, std::string>> expectedResults(const AnalysisCase& record) {
    AnalysisResults r;
    computeStresses(record, r);
    const bool metric = record.units == UnitSystem::Metric;
    const bool edgeModel = record.location == WheelLocation::Edge &&
                           record.gear != GearConfiguration::SingleTandem &&
                           record.gear != GearConfiguration::SingleTridem;
    const auto stress = [&](float psi) { return floatText(static_cast<float>(metric ? psi * 6.89 : psi)); };
    const auto factor = [](float value) { return floatText(value); };
    const auto edgeStress = [&](float psi) { return edgeModel ? stress(psi) : std::string(); };
    const auto edgeFactor = [&](float value) { return edgeModel ? factor(value) : std::string(); };
    return {
        {"l", doubleText(metric ? r.l * 2.54 : r.l)},
        {"a_l", factor(r.a_l)},
        {"D0_l", factor(r.D0_l)},
        {"AGG_kl", factor(r.AGG_kl)},
        {"L_l", factor(r.L_l)},
        {"W_l", factor(r.W_l)},
        {"DP", factor(r.DP)},
        {"DG", factor(r.DG)},
        {"ADT", factor(r.ADT)},
        {"s_l", factor(r.s_l)},
        {"t_l", factor(r.t_l)},
        {"d_l", factor(r.d_l)},
        {"WestergaardStress", stress(r.WestergaardStress)},
        {"GearFactor", factor(r.GearFactor)},
        {"OtherWheelsFactor", factor(r.OtherWheelsFactor)},
        {"InfiniteSlabStress", stress(r.InfiniteSlabStress)},
        {"SlabSizeFactor", factor(r.SlabSizeFactor)},
        {"TiedFactor", factor(r.TiedFactor)},
        {"WidenedFactor", factor(r.WidenedFactor)},
        {"SecondLayerFactor", factor(r.SecondLayerFactor)},
        {"LoadingStressOnly", stress(r.LoadingStressOnly)},
        {"CurlStress", stress(r.CurlStress)},
        {"SlabSizeLosFactor", factor(r.SlabSizeLosFactor)},
        {"LoadCurlFactor", factor(r.LoadCurlFactor)},
        {"CombinedStress", stress(r.CombinedStress)},
        {"MdEdgeInfSlab", edgeStress(r.MdEdgeInfSlab)},
        {"MdSecondLayer", edgeFactor(r.MdSecondLayer)},
        {"MdSlabSize", edgeFactor(r.MdSlabSize)},
        {"MdTiedShoulder", edgeFactor(r.MdTiedShoulder)},
        {"MdWidenedLane", edgeFactor(r.MdWidenedLane)},
        {"MdCurlStress", edgeStress(r.MdCurlStress)},
        {"MdTopLayerStress", edgeStress(r.MdTopLayerStress)},
        {"MdCombinedStress", edgeStress(r.MdCombinedStress)},
        {"MdBottomLayerStress", edgeStress(r.MdBottomLayerStress)},
    };
}

std::size_t columnOf(const Cells& header, const std::string& name) {
    for (std::size_t index = 0; index < header.size(); ++index) {
        if (header[index] == name) {
            return index;
        }
    }
    ADD_FAILURE() << "no column " << name;
    return header.size();
}

void expectResults(const BatchRun& run, std::size_t row, const AnalysisCase& record) {
    ASSERT_LT(row, run.rows.size());
    ASSERT_EQ(run.rows[row].size(), run.header.size()) << "row " << row;
    EXPECT_EQ(run.rows[row][columnOf(run.header, "status")], "ok") << "row " << row;
    for (const auto& [name, expected] : expectedResults(record)) {
        EXPECT_EQ(run.rows[row][columnOf(run.header, name)], expected)
            << "row " << row << ", column " << name;
    }
}

// A row that was not computed: its status, and every result cell empty.
void expectNoResults(const BatchRun& run, std::size_t row, const std::string& status) {
    ASSERT_LT(row, run.rows.size());
    ASSERT_EQ(run.rows[row].size(), run.header.size()) << "row " << row;
    const std::size_t statusColumn = columnOf(run.header, "status");
    EXPECT_EQ(run.rows[row][statusColumn], status);
    for (std::size_t column = columnOf(run.header, "warnings") + 1; column < run.header.size(); ++column) {
        EXPECT_EQ(run.rows[row][column], "") << "row " << row << ", column " << run.header[column];
    }
}

TEST(Batch, WritesTheInputCellsTheStatusAndTheResultsInTheRowsUnits) {
    const BatchRun run = batch("Units,LOCATION,gear,Layer,tied,widened,H1,k,F\n"
                               "english,interior,dual-tandem,one,yes,no,10,200,20\n"
                               "METRIC,Edge,DUAL-TANDEM,Bonded,no,YES,25.4,54.2,11\n");
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.text.substr(0, run.text.find('\n')),
              "Units,LOCATION,gear,Layer,tied,widened,H1,k,F,status,warnings,l,a_l,D0_l,AGG_kl,L_l,W_l,DP,DG,"
              "ADT,s_l,"
              "t_l,d_l,WestergaardStress,GearFactor,OtherWheelsFactor,InfiniteSlabStress,SlabSizeFactor,"
              "TiedFactor,WidenedFactor,SecondLayerFactor,LoadingStressOnly,CurlStress,SlabSizeLosFactor,"
              "LoadCurlFactor,CombinedStress,MdEdgeInfSlab,MdSecondLayer,MdSlabSize,MdTiedShoulder,"
              "MdWidenedLane,MdCurlStress,MdTopLayerStress,MdCombinedStress,MdBottomLayerStress");
    ASSERT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(Cells(run.rows[0].begin(), run.rows[0].begin() + 9),
              (Cells{"english", "interior", "dual-tandem", "one", "yes", "no", "10", "200", "20"}));
    EXPECT_EQ(Cells(run.rows[1].begin(), run.rows[1].begin() + 9),
              (Cells{"METRIC", "Edge", "DUAL-TANDEM", "Bonded", "no", "YES", "25.4", "54.2", "11"}));

    AnalysisCase english = AnalysisCase::defaults(UnitSystem::English);
    english.location = WheelLocation::Interior;
    english.gear = GearConfiguration::DualTandem;
    english.tiedShoulder = true;
    english.h1 = "10";
    english.k = "200";
    english.F = "20";
    expectResults(run, 0, english);

    AnalysisCase metric = AnalysisCase::defaults(UnitSystem::Metric);
    metric.location = WheelLocation::Edge;
    metric.gear = GearConfiguration::DualTandem;
    metric.layer = LayerType::TwoLayerBonded;
    metric.widenedLane = true;
    metric.h1 = "25.4";
    metric.k = "54.2";
    metric.F = "11";
    expectResults(run, 1, metric);

    // The kPa cells are the psi values times 6.89, the radius in cm the inches times 2.54.
    AnalysisResults psi;
    computeStresses(metric, psi);
    const Cells& row = run.rows[1];
    EXPECT_EQ(row[columnOf(run.header, "CombinedStress")],
              floatText(static_cast<float>(psi.CombinedStress * 6.89)));
    EXPECT_EQ(row[columnOf(run.header, "MdBottomLayerStress")],
              floatText(static_cast<float>(psi.MdBottomLayerStress * 6.89)));
    EXPECT_EQ(row[columnOf(run.header, "l")], doubleText(psi.l * 2.54));
    EXPECT_EQ(row[columnOf(run.header, "LoadCurlFactor")], floatText(psi.LoadCurlFactor));
    EXPECT_NE(psi.MdBottomLayerStress, 0.0f);
    EXPECT_NE(psi.CurlStress, 0.0f);
}

TEST(Batch, EmptyCellsAndMissingColumnsTakeTheDefaultsOfTheRowsUnits) {
    const BatchRun run = batch("units,gear,h1,E1\n"
                               ",,,\n"
                               "metric,, ,\n"
                               "ENGLISH,single-single,,\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(Cells(run.rows[1].begin(), run.rows[1].begin() + 4), (Cells{"metric", "", " ", ""}));

    expectResults(run, 0, AnalysisCase::defaults(UnitSystem::English));
    expectResults(run, 1, AnalysisCase::defaults(UnitSystem::Metric));
    AnalysisCase singleSingle = AnalysisCase::defaults(UnitSystem::English);
    singleSingle.gear = GearConfiguration::SingleSingle;
    expectResults(run, 2, singleSingle);
}

TEST(Batch, ReadsQuotedCellsCrLfAndAByteOrderMark) {
    const BatchRun run = batch("\xEF\xBB\xBFlocation,\"h1\",k\r\n"
                               "\"corner\",\"9,5\",\"130\"\r\n"
                               "interior,8,100\r\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(run.text.substr(0, 15), "location,h1,k,s");
    // The cell with a comma is quoted again on output; the lines end in LF. "9,5" is not a whole
    // number, so the row is refused as the dialogs would refuse the text.
    EXPECT_NE(run.text.find("\ncorner,\"9,5\",130,error: h1 is an invalid number; please try again!,"),
              std::string::npos);
    EXPECT_EQ(run.text.find('\r'), std::string::npos);

    AnalysisCase interior = AnalysisCase::defaults(UnitSystem::English);
    interior.location = WheelLocation::Interior;
    interior.h1 = "8";
    interior.k = "100";
    expectResults(run, 1, interior);
}

TEST(Batch, ABadRowIsAnErrorRowAndTheRowsAroundItAreComputed) {
    const BatchRun run = batch("units,gear,h1,tied\n"
                               ",dual-single,9,no\n"
                               ",xyz,9,no\n"
                               ",dual-tridem,9,no\n"
                               "imperial,dual-single,9,no\n"
                               ",single-single,9,maybe\n"
                               ",dual-single,9\n"
                               ",\"dual, single\",9,no,extra\n"
                               ",single-tandem,9,yes\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.rows.size(), 8u);

    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.h1 = "9";
    expectResults(run, 0, record);
    expectNoResults(run, 1, "error: unknown gear \"xyz\"");
    record.gear = GearConfiguration::DualTridem;
    expectResults(run, 2, record);
    expectNoResults(run, 3, "error: unknown units \"imperial\"");
    expectNoResults(run, 4, "error: unknown tied \"maybe\"");
    expectNoResults(run, 5, "error: 3 cells where the header has 4");
    expectNoResults(run, 6, "error: 5 cells where the header has 4");
    record.gear = GearConfiguration::SingleTandem;
    record.tiedShoulder = true;
    expectResults(run, 7, record);

    // The echo keeps the header's columns: a short row is padded, a long one cut.
    EXPECT_EQ(Cells(run.rows[5].begin(), run.rows[5].begin() + 4), (Cells{"", "dual-single", "9", ""}));
    EXPECT_EQ(Cells(run.rows[6].begin(), run.rows[6].begin() + 4), (Cells{"", "dual, single", "9", "no"}));
    EXPECT_NE(run.text.find("\n,xyz,9,no,\"error: unknown gear \"\"xyz\"\"\"," + std::string(34, ',') + "\n"),
              std::string::npos);
}

TEST(Batch, AFaultIsReportedInItsRowWithEmptyResults) {
    // The edge solution comes first, and its radius of relative stiffness divides by k.
    const BatchRun run = batch("k\n0\n130\n");
    EXPECT_EQ(run.error, "");
    ASSERT_EQ(run.rows.size(), 2u);
    expectNoResults(run, 0, "fault: WestergaardEdge");
    expectResults(run, 1, AnalysisCase::defaults(UnitSystem::English));
}

TEST(Batch, StopsOnAnUnknownOrRepeatedColumnAndOnInputThatIsNotCsv) {
    BatchRun run = batch("units,h1,mu2\n,9,0.2\n");
    EXPECT_EQ(run.error.substr(0, 42), "unknown column \"mu2\"; the columns are unit");
    EXPECT_EQ(run.text, "");
    run = batch("Slab Thickness\n9\n");
    EXPECT_EQ(run.error.substr(0, 31), "unknown column \"Slab Thickness\"");
    EXPECT_EQ(run.text, "");
    run = batch("h1,k,H1\n9,130,10\n");
    EXPECT_EQ(run.error, "repeated column \"H1\"");
    EXPECT_EQ(run.text, "");

    run = batch("");
    EXPECT_EQ(run.error, "not a CSV file: there is no header row");
    run = batch("\"h1\n9\n");
    EXPECT_EQ(run.error, "not a CSV file: line 1: the quoted cell that starts here is not closed");
    EXPECT_EQ(run.text, "");

    // Rows before the fault in the file are already written.
    run = batch(std::string("h1\n9\n1\0\n", 8));
    EXPECT_EQ(run.error, "not a CSV file: line 3: a NUL byte: this is not a text file");
    ASSERT_EQ(run.rows.size(), 1u);
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.h1 = "9";
    expectResults(run, 0, record);
}

} // namespace
} // namespace korvanex
