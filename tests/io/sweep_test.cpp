#include "studies/sweep.h"

#include "engine/compute_stresses.h"
#include "io/batch.h"
#include "io/csv_reader.h"
#include "io/results_json.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace korvanex {
namespace {

using Cells = std::vector<std::string>;

std::vector<Cells> readCsv(const std::string& text) {
    std::istringstream in(text);
    CsvReader reader(in);
    std::vector<Cells> records;
    Cells cells;
    while (reader.read(cells) == CsvReader::Status::Record) {
        records.push_back(cells);
    }
    EXPECT_EQ(reader.error(), "");
    return records;
}

std::vector<Cells> sweep(const AnalysisCase& base, const std::string& text) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange(text, range), "");
    std::ostringstream out;
    runSweep(base, range, out);
    return readCsv(out.str());
}

std::vector<std::string> pointTexts(const std::string& text) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange(text, range), "") << text;
    std::vector<std::string> texts;
    for (int point = 0; point < range.points; ++point) {
        texts.push_back(sweepPointText(range, point));
    }
    return texts;
}

const Cells InputColumns = {"units", "location", "gear", "layer", "tied", "widened", "P",  "tp",
                            "S",     "t",        "d",    "h1",    "h2",   "E1",      "E2", "mu1",
                            "r1",    "L",        "W",    "k",     "AGG",  "d0",      "F",  "alp"};
constexpr std::size_t StatusColumn = 24;

// The float results of an English row, read back from their 9 significant digits, against those of
// the same case computed on its own.
void expectSameFloats(const Cells& header, const Cells& row, const AnalysisCase& record) {
    AnalysisResults r;
    computeStresses(record, r);
    const auto cell = [&](const std::string& name) {
        for (std::size_t index = 0; index < header.size(); ++index) {
            if (header[index] == name) {
                return row[index];
            }
        }
        ADD_FAILURE() << "no column " << name;
        return std::string();
    };
    const auto value = [&](const std::string& name) { return std::strtof(cell(name).c_str(), nullptr); };
    EXPECT_EQ(cell("status"), "ok");
    EXPECT_EQ(cell("l"), nineDigits(r.l));
    const std::pair<const char*, float> singles[] = {
        {"a_l", r.a_l},
        {"D0_l", r.D0_l},
        {"AGG_kl", r.AGG_kl},
        {"L_l", r.L_l},
        {"W_l", r.W_l},
        {"DP", r.DP},
        {"DG", r.DG},
        {"ADT", r.ADT},
        {"s_l", r.s_l},
        {"t_l", r.t_l},
        {"d_l", r.d_l},
        {"WestergaardStress", r.WestergaardStress},
        {"GearFactor", r.GearFactor},
        {"OtherWheelsFactor", r.OtherWheelsFactor},
        {"InfiniteSlabStress", r.InfiniteSlabStress},
        {"SlabSizeFactor", r.SlabSizeFactor},
        {"TiedFactor", r.TiedFactor},
        {"WidenedFactor", r.WidenedFactor},
        {"SecondLayerFactor", r.SecondLayerFactor},
        {"LoadingStressOnly", r.LoadingStressOnly},
        {"CurlStress", r.CurlStress},
        {"SlabSizeLosFactor", r.SlabSizeLosFactor},
        {"LoadCurlFactor", r.LoadCurlFactor},
        {"CombinedStress", r.CombinedStress},
        {"MdEdgeInfSlab", r.MdEdgeInfSlab},
        {"MdSecondLayer", r.MdSecondLayer},
        {"MdSlabSize", r.MdSlabSize},
        {"MdTiedShoulder", r.MdTiedShoulder},
        {"MdWidenedLane", r.MdWidenedLane},
        {"MdCurlStress", r.MdCurlStress},
        {"MdTopLayerStress", r.MdTopLayerStress},
        {"MdCombinedStress", r.MdCombinedStress},
        {"MdBottomLayerStress", r.MdBottomLayerStress},
    };
    for (const auto& [name, expected] : singles) {
        EXPECT_EQ(value(name), expected) << name << " at " << record.text(Field::h1);
    }
}

TEST(SweepRange, ReadsTheFieldTheRangeAndTheNumberOfPoints) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange("h1=8:10:5", range), "");
    EXPECT_EQ(range.field, Field::h1);
    EXPECT_EQ(range.from, 8.0);
    EXPECT_EQ(range.to, 10.0);
    EXPECT_EQ(range.points, 5);
    EXPECT_EQ(parseSweepRange("agg=1E4:-2.5e3:1000000", range), "");
    EXPECT_EQ(range.field, Field::AGG);
    EXPECT_EQ(range.from, 10000.0);
    EXPECT_EQ(range.to, -2500.0);
    EXPECT_EQ(range.points, 1000000);

    const SweepRange before = range;
    EXPECT_EQ(parseSweepRange("h1:8:10:5", range), "\"h1:8:10:5\" is not FIELD=FROM:TO:STEPS");
    EXPECT_EQ(parseSweepRange("h1=8:10", range), "\"h1=8:10\" is not FIELD=FROM:TO:STEPS");
    EXPECT_EQ(parseSweepRange("h1=8:10:5:6", range), "\"h1=8:10:5:6\" is not FIELD=FROM:TO:STEPS");
    EXPECT_EQ(parseSweepRange("mu2=0.1:0.2:3", range).substr(0, 55),
              "\"mu2\" is not a numeric field; the fields are P, tp, S, ");
    EXPECT_EQ(parseSweepRange("gear=1:2:3", range).substr(0, 29), "\"gear\" is not a numeric field");
    EXPECT_EQ(parseSweepRange("h1=eight:10:5", range), "FROM \"eight\" is not a number");
    EXPECT_EQ(parseSweepRange("h1=8:10in:5", range), "TO \"10in\" is not a number");
    EXPECT_EQ(parseSweepRange("E1=1:1e39:5", range), "TO \"1e39\" is beyond single precision");
    for (const char* points : {"0", "-1", "2.5", "+3", "", "1000001"}) {
        EXPECT_EQ(parseSweepRange(std::string("h1=8:10:") + points, range),
                  std::string("STEPS \"") + points + "\" is not a whole number from 1 to 1000000");
    }
    EXPECT_EQ(range.field, before.field) << "a rejected text changes nothing";
    EXPECT_EQ(range.points, before.points);
}

TEST(SweepRange, PointsAreEvenlySpacedAndWrittenExactlyForTheStoredFloat) {
    EXPECT_EQ(pointTexts("h1=8:10:5"), (std::vector<std::string>{"8", "8.5", "9", "9.5", "10"}));
    EXPECT_EQ(pointTexts("L=0:1:11"), (std::vector<std::string>{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6",
                                                                "0.7", "0.8", "0.9", "1"}));
    EXPECT_EQ(pointTexts("F=20:-20:3"), (std::vector<std::string>{"20", "0", "-20"}));
    EXPECT_EQ(pointTexts("alp=0.0000055:0.0000099:2"), (std::vector<std::string>{"0.0000055", "0.0000099"}));
    EXPECT_EQ(pointTexts("E1=3000000:5000000:3"),
              (std::vector<std::string>{"3000000", "4000000", "5000000"}));
    EXPECT_EQ(pointTexts("h1=7:99:1"), (std::vector<std::string>{"7"}));

    // 6 1/3 has no short decimal form: the text reads back as the float nearest to it.
    const std::vector<std::string> thirds = pointTexts("h1=6:7:4");
    ASSERT_EQ(thirds.size(), 4u);
    EXPECT_EQ(std::strtof(thirds[1].c_str(), nullptr), static_cast<float>(6.0 + 1.0 / 3.0));
    EXPECT_EQ(std::strtof(thirds[2].c_str(), nullptr), static_cast<float>(6.0 + 2.0 / 3.0));
}

TEST(Sweep, EachPointEqualsTheSingleCaseComputationAtThatValue) {
    const std::vector<Cells> rows = sweep(AnalysisCase::defaults(UnitSystem::English), "h1=8:10:5");
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(Cells(rows[0].begin(), rows[0].begin() + StatusColumn), InputColumns);
    EXPECT_EQ(rows[0][StatusColumn], "status");

    const char* const thicknesses[] = {"8", "8.5", "9", "9.5", "10"};
    for (std::size_t point = 0; point < 5; ++point) {
        AnalysisCase single = AnalysisCase::defaults(UnitSystem::English);
        single.h1 = thicknesses[point];
        expectSameFloats(rows[0], rows[point + 1], single);
    }
    EXPECT_EQ(Cells(rows[2].begin(), rows[2].begin() + StatusColumn),
              (Cells{"english", "edge", "dual-single", "one", "no",    "no",      "18000",   "100",
                     "12",      "50",   "88",          "8.5", "6",     "4000000", "2000000", "0.15",
                     "0.087",   "15",   "12",          "130", "25000", "24",      "0",       "5.5E-06"}));
}

TEST(Sweep, RowsAreTheBatchRowsOfTheSameCases) {
    AnalysisCase base = AnalysisCase::defaults(UnitSystem::Metric);
    base.location = WheelLocation::Interior;
    base.gear = GearConfiguration::DualTridem;
    base.layer = LayerType::TwoLayerUnbonded;
    base.tiedShoulder = true;
    base.F = "8";
    SweepRange range;
    ASSERT_EQ(parseSweepRange("k=0:60:4", range), "");
    std::ostringstream swept;
    runSweep(base, range, swept);

    // The input part of the sweep, fed to a batch, gives the same rows.
    std::string inputs;
    for (const Cells& row : readCsv(swept.str())) {
        for (std::size_t column = 0; column < StatusColumn; ++column) {
            inputs += (column == 0 ? "" : ",") + row[column];
        }
        inputs += '\n';
    }
    std::istringstream batchIn(inputs);
    std::ostringstream batchOut;
    EXPECT_EQ(runBatch(batchIn, batchOut), "");
    EXPECT_EQ(batchOut.str(), swept.str());

    const std::vector<Cells> rows = readCsv(swept.str());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][StatusColumn], "fault: WestergaardEdge");
    EXPECT_EQ(rows[2][StatusColumn], "ok");
    EXPECT_EQ(rows[2][0], "metric");
    EXPECT_EQ(rows[2][19], "20");
}

} // namespace
} // namespace korvanex
