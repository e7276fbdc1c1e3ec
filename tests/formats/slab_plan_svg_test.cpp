// SPDX-License-Identifier: Apache-2.0
#include "formats/slab_plan_svg.h"
#include "formats/svg_drawing.h"
#include "plate/plate_case.h"

#include "../case_row.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

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
// first axle, the last the inner one of the inner side's last axle (worked by hand, in inches). The
// plate model loads squares of side 1.772 a at the same centres, the axle load shared among them
// (18000 lb, 80.1 kN / 0.00445 in metric).
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

TEST(SlabPlanSvg, TiresStandWhereTheCasePutsThemInThePlanAndThePlateModel) {
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
        const PlateModel model = plateModel(caseOf(plan.row), {});
        ASSERT_EQ(model.tires.size(), found.size());
        double load = 0;
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(model.tires[i].centre.x, found[i].x, 0.0005);
            EXPECT_NEAR(model.tires[i].centre.y, found[i].y, 0.0005);
            EXPECT_NEAR(model.tires[i].side, 1.772 * found[i].r, 0.001);
            load += model.tires[i].load;
        }
        EXPECT_NEAR(load, 18000, 1e-3);
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

namespace {

// What a plan draws, read back from its SVG: the boxes of its labels by the text-box estimate, and
// what they must keep clear of (lines, the outlines of rectangles, tires and the arrow head).
struct PlanElements {
    std::vector<std::pair<std::string, DrawingBox>> labels;
    std::vector<DrawingBox> obstacles;
};

PlanElements elementsOf(const std::string& svg) {
    static const std::regex text(
        R"re(<text x="([-0-9.]+)" y="([-0-9.]+)" text-anchor="(\w+)" font-size="([0-9.]+)"( transform="rotate\(-90 [-0-9. ]+\)")?>([^<]*)</text>)re");
    static const std::regex line(
        R"re(<line x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)")re");
    static const std::regex rect(
        R"re(<rect class="[^"]+" x="([-0-9.]+)" y="([-0-9.]+)" width="([0-9.]+)" height="([0-9.]+)")re");
    static const std::regex circle(
        R"re(<circle class="[^"]+" cx="([-0-9.]+)" cy="([-0-9.]+)" r="([0-9.]+)")re");
    static const std::regex polygon(R"re(<polygon points="([^"]+)")re");
    const auto each = [&svg](const std::regex& pattern, const auto& take) {
        for (auto match = std::sregex_iterator(svg.begin(), svg.end(), pattern);
             match != std::sregex_iterator(); ++match) {
            const auto number = [&match](int which) { return std::stod((*match)[which]); };
            take(*match, number);
        }
    };
    PlanElements plan;
    each(text, [&plan](const std::smatch& m, const auto& number) {
        const std::string anchor = m[3];
        const LabelSpot spot{{number(1), number(2)}, anchor, m[5].matched};
        plan.labels.push_back({m[6], labelBox(spot, m[6].str(), number(4))});
    });
    each(line, [&plan](const std::smatch&, const auto& number) {
        plan.obstacles.push_back({std::min(number(1), number(3)), std::min(number(2), number(4)),
                                  std::max(number(1), number(3)), std::max(number(2), number(4))});
    });
    each(rect, [&plan](const std::smatch&, const auto& number) {
        const double left = number(1), top = number(2), right = left + number(3), bottom = top + number(4);
        plan.obstacles.insert(plan.obstacles.end(), {{left, top, right, top},
                                                     {left, bottom, right, bottom},
                                                     {left, top, left, bottom},
                                                     {right, top, right, bottom}});
    });
    each(circle, [&plan](const std::smatch&, const auto& number) {
        plan.obstacles.push_back(
            {number(1) - number(3), number(2) - number(3), number(1) + number(3), number(2) + number(3)});
    });
    each(polygon, [&plan](const std::smatch& m, const auto&) {
        std::istringstream points(m[1].str());
        DrawingBox box{1e300, 1e300, -1e300, -1e300};
        for (double x = 0, y = 0; points >> x && points.ignore(1) >> y;) {
            box.include(x, y);
        }
        plan.obstacles.push_back(box);
    });
    return plan;
}

} // namespace

// Every label stands clear of every other label, every line, outline and tire, for each location,
// gear, shoulder and lane, at the default slab length and at the ends of its typical range. Each
// dimension is labelled, beside its line at the default length.
TEST(SlabPlanSvg, NoLabelMeetsAnotherLabelOrAnythingDrawn) {
    const std::pair<UnitSystem, std::vector<const char*>> lengths[] = {
        {UnitSystem::English, {"", "L=8", "L=100"}}, {UnitSystem::Metric, {"", "L=2.4384", "L=30.48"}}};
    int combinations = 0;
    for (const auto& [units, fields] : lengths) {
        for (const char* field : fields) {
            for (const WheelLocation location : {Interior, Edge, Corner}) {
                for (int gear = 0; gear < 6; ++gear) {
                    for (const bool tied : {false, true}) {
                        for (const bool widened : {false, true}) {
                            const CaseRow row{field, units, location, static_cast<GearConfiguration>(gear),
                                              One,   tied,  widened,  field};
                            const AnalysisCase record = caseOf(row);
                            const PlanElements plan = elementsOf(slabPlanSvg(record));
                            const std::string where = std::string(locationName(location)) + " " +
                                                      std::string(gearName(record.gear)) + " tied " +
                                                      std::to_string(tied) + " widened " +
                                                      std::to_string(widened) + " " + field;
                            for (std::size_t one = 0; one < plan.labels.size(); ++one) {
                                const auto& [text, box] = plan.labels[one];
                                for (std::size_t other = one + 1; other < plan.labels.size(); ++other) {
                                    EXPECT_FALSE(box.meets(plan.labels[other].second))
                                        << where << ": " << text << " meets " << plan.labels[other].first;
                                }
                                for (const DrawingBox& obstacle : plan.obstacles) {
                                    EXPECT_FALSE(box.meets(obstacle))
                                        << where << ": " << text << " meets a line";
                                }
                                const bool symbolAlone = text.size() <= 2;
                                EXPECT_FALSE(symbolAlone && *field == '\0') << where << ": " << text;
                            }
                            std::vector<std::string> symbols = {"L", "W", "d"};
                            symbols.insert(symbols.end(),
                                           {isDual(record.gear) ? "s" : "L",
                                            axleCount(record.gear) > 1 ? "t" : "L", widened ? "D0" : "L"});
                            for (const std::string& symbol : symbols) {
                                EXPECT_TRUE(std::any_of(plan.labels.begin(), plan.labels.end(),
                                                        [&](const auto& label) {
                                                            return label.first.starts_with(symbol + " = ");
                                                        }))
                                    << where << ": no label " << symbol;
                            }
                            ++combinations;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations, 432);
}
