// SPDX-License-Identifier: Apache-2.0
#include "formats/slab_plan_svg.h"

#include "../case_row.h"

#include <gtest/gtest.h>

#include <regex>

using namespace korvanex;

namespace {

struct Tire {
    double x, y, r;
};

std::vector<Tire> tires(const std::string& svg) {
    static const std::regex circle(
        R"re(<circle class="tire" cx="([-0-9.]+)" cy="([-0-9.]+)" r="([-0-9.]+)")re");
    std::vector<Tire> found;
    for (auto match = std::sregex_iterator(svg.begin(), svg.end(), circle); match != std::sregex_iterator();
         ++match) {
        found.push_back({std::stod((*match)[1]), std::stod((*match)[2]), std::stod((*match)[3])});
    }
    return found;
}

// The radii are those of the analysis, a = sqrt(P/2 / (p n pi)) with n tires on one side; the slab
// is 180 in by 144 in, its outer edge at y = 144. The first tire is the outer one of the outer side's
// first axle, the last the inner one of the inner side's last axle (worked by hand, in inches).
struct PlanCase {
    CaseRow row;
    std::size_t count;
    double radius;
    Tire first, last;
    const char* shoulder;
    std::vector<const char*> labels;
};

using enum WheelLocation;
using enum GearConfiguration;
constexpr LayerType One = LayerType::OneLayer;

} // namespace

TEST(SlabPlanSvg, TiresStandWhereTheCasePutsThem) {
    // The edge dual-single's first tire touches the outer edge, 144 - 3.785; the inner side is 6 + 88 + 6
    // further in.
    const std::vector<PlanCase> cases = {
        // clang-format off
        {{"edge dual-single", UnitSystem::English, Edge, DualSingle, One, false, false, ""},
         4, 3.785, {90, 140.215, 0}, {90, 40.215, 0}, "shoulder\"", {"L = 15 ft", "W = 12 ft", "s = 12 in", "d = 88 in"}},
        {{"interior single-single", UnitSystem::English, Interior, SingleSingle, One, false, false, ""},
         2, 5.352, {90, 116, 0}, {90, 28, 0}, "shoulder\"", {"d = 88 in"}},
        {{"corner dual-tridem, tied", UnitSystem::English, Corner, DualTridem, One, true, false, ""},
         12, 2.185, {2.185, 141.815, 0}, {102.185, 41.815, 0}, "shoulder tied\"", {"t = 50 in"}},
        {{"widened dual-tandem, own spacings", UnitSystem::English, Edge, DualTandem, One, false, true, "S=10 t=60 d=70"},
         8, 2.676, {60, 117.324, 0}, {120, 37.324, 0}, "shoulder\"", {"D0 = 24 in", "s = 10 in", "t = 60 in", "d = 70 in"}},
        {{"metric edge dual-single", UnitSystem::Metric, Edge, DualSingle, One, false, false, ""},
         4, 3.785, {89.961, 140.310, 0}, {89.961, 40.310, 0}, "shoulder\"", {"L = 4.57 m", "W = 3.66 m", "s = 30.5 cm", "d = 223.5 cm"}},
        // clang-format on
    };
    for (const PlanCase& plan : cases) {
        SCOPED_TRACE(plan.row.name);
        const std::string svg = slabPlanSvg(caseOf(plan.row));
        const std::vector<Tire> found = tires(svg);
        ASSERT_EQ(found.size(), plan.count);
        for (const Tire& tire : found) {
            EXPECT_NEAR(tire.r, plan.radius, 0.002);
        }
        EXPECT_NEAR(found.front().x, plan.first.x, 0.002);
        EXPECT_NEAR(found.front().y, plan.first.y, 0.002);
        EXPECT_NEAR(found.back().x, plan.last.x, 0.002);
        EXPECT_NEAR(found.back().y, plan.last.y, 0.002);
        EXPECT_NE(svg.find(std::string("class=\"") + plan.shoulder), std::string::npos);
        for (const char* label : plan.labels) {
            EXPECT_NE(svg.find(std::string(">") + label + "<"), std::string::npos) << label;
        }
    }
}

TEST(SlabPlanSvg, NoTiresWithoutARadius) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.tp = "0";
    EXPECT_TRUE(tires(slabPlanSvg(record)).empty());
    record.W = "0";
    EXPECT_NE(slabPlanSvg(record).find(">The slab cannot be drawn: its width W is not a positive number.<"),
              std::string::npos);
    record.L = "0";
    EXPECT_NE(slabPlanSvg(record).find(">The slab cannot be drawn: its length L is not a positive number.<"),
              std::string::npos);
}
