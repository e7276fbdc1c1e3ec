#include "studies/sweep.h"

#include "../case_row.h"
#include "studies/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace korvanex {
namespace {

using Texts = std::vector<std::string>;

Texts pointTexts(const std::string& text) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange(text, range), "") << text;
    Texts texts;
    for (int point = 0; point < range.points; ++point) {
        texts.push_back(sweepPointText(range, point));
    }
    return texts;
}

} // namespace

TEST(Sweep, RangeTextsAndWhatIsWrongWithThem) {
    SweepRange range;
    EXPECT_EQ(parseSweepRange("agg=1E4:-2.5e3:1000000", range), "");
    EXPECT_EQ(range.field, Field::AGG);
    EXPECT_EQ(range.from, 10000.0);
    EXPECT_EQ(range.to, -2500.0);
    EXPECT_EQ(range.points, 1000000);
    const std::pair<const char*, const char*> refused[] = {
        {"h1:8:10:5", "\"h1:8:10:5\" is not FIELD=FROM:TO:STEPS"},
        {"h1=8:10", "\"h1=8:10\" is not FIELD=FROM:TO:STEPS"},
        {"h1=eight:10:5", "FROM \"eight\" is not a number"},
        {"h1=8:10in:5", "TO \"10in\" is not a number"},
        {"E1=1:1e39:5", "TO \"1e39\" is beyond single precision"},
        {"h1=8:10:0", "STEPS \"0\" is not a whole number from 1 to 1000000"},
        {"h1=8:10:1000001", "STEPS \"1000001\" is not a whole number from 1 to 1000000"},
        {"h1=8:10:2.5", "STEPS \"2.5\" is not a whole number from 1 to 1000000"},
    };
    for (const auto& [text, message] : refused) {
        EXPECT_EQ(parseSweepRange(text, range), message);
    }
    EXPECT_EQ(parseSweepRange("gear=1:2:3", range).substr(0, 29), "\"gear\" is not a numeric field");
    EXPECT_EQ(range.points, 1000000) << "a refused text changes nothing";
}

TEST(Sweep, PointsAreEvenlySpacedWithBothEnds) {
    EXPECT_EQ(pointTexts("h1=8:10:5"), (Texts{"8", "8.5", "9", "9.5", "10"}));
    EXPECT_EQ(pointTexts("L=0:1:11"),
              (Texts{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
    EXPECT_EQ(pointTexts("F=20:-20:3"), (Texts{"20", "0", "-20"}));
    EXPECT_EQ(pointTexts("alp=0.0000055:0.0000099:2"), (Texts{"0.0000055", "0.0000099"}));
    EXPECT_EQ(pointTexts("h1=7:99:1"), Texts{"7"});
    // 6 1/3 has no short decimal form: the text reads back as the float nearest to it.
    EXPECT_EQ(std::strtof(pointTexts("h1=6:7:4")[1].c_str(), nullptr), static_cast<float>(6.0 + 1.0 / 3.0));
}

// The input part of a sweep, fed to a batch, gives the same rows: each point is the case computed on its
// own with the field's text replaced.
TEST(Sweep, RowsAreTheBatchRowsOfTheSameCases) {
    const AnalysisCase base =
        caseOf({"base", UnitSystem::Metric, WheelLocation::Interior, GearConfiguration::DualTridem,
                LayerType::OneLayer, true, false, "F=8"});
    SweepRange range;
    ASSERT_EQ(parseSweepRange("k=0:60:4", range), "");
    std::ostringstream swept;
    runSweep(base, range, swept);

    std::istringstream rows(swept.str());
    std::string inputs;
    int faults = 0;
    for (std::string row; std::getline(rows, row);) {
        std::size_t status = 0;
        for (int column = 0; column < 24; ++column) {
            status = row.find(',', status) + 1;
        }
        inputs += row.substr(0, status - 1) + '\n';
        faults += row.compare(status, 6, "fault:") == 0 ? 1 : 0;
    }
    EXPECT_EQ(inputs.substr(inputs.find('\n') + 1, 60),
              "metric,interior,dual-tridem,one,yes,no,80.1,689,30.5,127.0,2");
    EXPECT_EQ(faults, 1) << "k = 0 faults";
    std::istringstream batchIn(inputs);
    std::ostringstream batchOut;
    EXPECT_EQ(runBatch(batchIn, batchOut), "");
    EXPECT_EQ(batchOut.str(), swept.str());
    EXPECT_EQ(std::count(inputs.begin(), inputs.end(), '\n'), 5);
}

} // namespace korvanex
