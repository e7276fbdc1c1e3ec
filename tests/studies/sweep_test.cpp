// SPDX-License-Identifier: Apache-2.0
#include "studies/sweep.h"

#include "../case_row.h"
#include "formats/batch_lines.h"
#include "studies/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace korvanex {
namespace {

using Texts = std::vector<std::string>;

Texts pointTexts(const SweepRange& range) {
    Texts texts;
    for (int point = 0; point < range.points; ++point) {
        texts.push_back(sweepPointText(range, point));
    }
    return texts;
}

} // namespace

TEST(Sweep, PointsAreEvenlySpacedWithBothEnds) {
    EXPECT_EQ(pointTexts({Field::h1, 8, 10, 5}), (Texts{"8", "8.5", "9", "9.5", "10"}));
    EXPECT_EQ(pointTexts({Field::L, 0, 1, 11}),
              (Texts{"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}));
    EXPECT_EQ(pointTexts({Field::F, 20, -20, 3}), (Texts{"20", "0", "-20"}));
    EXPECT_EQ(pointTexts({Field::alp, 0.0000055, 0.0000099, 2}), (Texts{"0.0000055", "0.0000099"}));
    EXPECT_EQ(pointTexts({Field::h1, 7, 99, 1}), Texts{"7"});
    // 6 1/3 has no short decimal form: the text reads back as the float nearest to it.
    EXPECT_EQ(std::strtof(pointTexts({Field::h1, 6, 7, 4})[1].c_str(), nullptr),
              static_cast<float>(6.0 + 1.0 / 3.0));
}

// The input part of a sweep, fed to a batch, gives the same rows: each point is the case computed on its
// own with the field's text replaced.
TEST(Sweep, RowsAreTheBatchRowsOfTheSameCases) {
    const AnalysisCase base =
        caseOf({"base", UnitSystem::Metric, WheelLocation::Interior, GearConfiguration::DualTridem,
                LayerType::OneLayer, true, false, "F=8"});
    std::ostringstream swept;
    runSweep(base, {Field::k, 0, 60, 4}, swept, BatchLines());

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
    EXPECT_EQ(runBatch(batchIn, batchOut, BatchLines()), "");
    EXPECT_EQ(batchOut.str(), swept.str());
    EXPECT_EQ(std::count(inputs.begin(), inputs.end(), '\n'), 5);
}

} // namespace korvanex
