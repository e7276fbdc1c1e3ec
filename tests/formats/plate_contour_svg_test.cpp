// SPDX-License-Identifier: Apache-2.0
// The contour picture of the plate model: the cells in bands of round values and their colours, the
// key, the tires, the largest stress, and no number that is not finite.

#include "formats/plate_contour_svg.h"

#include <gtest/gtest.h>

#include <regex>

namespace korvanex {
namespace {

// A slab of 20 in x 10 in in two cells of 10 in, the bottom stresses -100, 0, 100 psi along x at both
// rows of nodes: the cells' means -50 and 50 psi, the bands -50 to 50 in steps of 10.
struct Slab {
    PlateModel model;
    PlateResults results;
};

Slab twoCells(float left, float middle, float right) {
    Slab slab;
    slab.model.length = 20;
    slab.model.width = 10;
    slab.model.tires = {{{15, 5}, 4, 1000}};
    PlateGridValues grid{PlatePart::Slab, {0, 10, 20}, {0, 10}, {}};
    for (std::vector<PlateNodeValues>& values : grid.values) {
        for (int row = 0; row < 2; ++row) {
            for (float stress : {left, middle, right}) {
                values.push_back({0, stress, -stress});
            }
        }
    }
    slab.results.grids = {grid};
    for (PlateResponse& response : slab.results.responses) {
        response.bottom = {right, {20, 5}};
        response.top = {-left, {0, 5}};
    }
    slab.results.elementCount = 2;
    return slab;
}

std::string svgOf(const Slab& slab, UnitSystem units) {
    return plateContourSvg(AnalysisCase::defaults(units), slab.model, slab.results, PlateState::Loading,
                           PlateMesh::Coarse);
}

std::vector<std::string> all(const std::string& text, const std::string& pattern) {
    const std::regex expression(pattern);
    std::vector<std::string> found;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), expression);
         match != std::sregex_iterator(); ++match) {
        found.push_back((*match)[1]);
    }
    return found;
}

// The band of 40 to 50, its middle 45 at 0.9 of the largest stress 50, lies 0.6 of the way from the
// shade 244/109/67 to 165/0/38: 196.6/43.6/49.6 = #c52c32; the band of -50 to -40 as far from
// 116/173/209 to 49/54/149: 75.8/101.6/173 = #4c66ad.
TEST(PlateContourSvg, FillsTheCellsInBandsWithAKeyInTheCasesUnit) {
    const std::string svg = svgOf(twoCells(-100, 0, 100), UnitSystem::English);
    EXPECT_EQ(all(svg, R"re(<rect class="band" x="([0-9.]+)")re"),
              (std::vector<std::string>{"0.000", "10.000"}));
    EXPECT_EQ(all(svg, R"re(class="band" [^>]*fill="(#[0-9a-f]+)")re"),
              (std::vector<std::string>{"#4c66ad", "#c52c32"}));
    const std::vector<std::string> key = all(svg, R"re(>(-?[0-9]+ to -?[0-9]+)</text>)re");
    ASSERT_EQ(key.size(), 10u);
    EXPECT_EQ(key.front(), "40 to 50");
    EXPECT_EQ(key.back(), "-50 to -40");
    EXPECT_NE(svg.find(">Stress (psi)</text>"), std::string::npos);
    EXPECT_NE(svg.find("<rect class=\"tire\" x=\"13.000\" y=\"3.000\" width=\"4.000\" height=\"4.000\""),
              std::string::npos);
    EXPECT_NE(svg.find(">100.0 psi</text>"), std::string::npos);
    EXPECT_NE(svg.find(">Largest principal stress at the bottom of the slab, under the load alone; tension "
                       "positive</text>"),
              std::string::npos);
    EXPECT_NE(svg.find(">Edge, Dual-Single, coarse mesh of 2 elements</text>"), std::string::npos);

    const std::string metric = svgOf(twoCells(-100, 0, 100), UnitSystem::Metric);
    EXPECT_NE(metric.find(">689.0 kPa</text>"), std::string::npos);
    EXPECT_NE(metric.find(">Stress (kPa)</text>"), std::string::npos);
}

// The top face where its stress is the larger; cells of one band in a row are one rectangle; a slab
// without stress is one white band, and no number is written that is not finite.
TEST(PlateContourSvg, DrawsTheCriticalFaceAndMergesCellsOfOneBand) {
    Slab top = twoCells(-100, -100, -60);
    top.results.responses[0].top.stress = 100;
    const std::string svg = svgOf(top, UnitSystem::English);
    EXPECT_NE(svg.find("stress at the top of the slab"), std::string::npos);
    EXPECT_EQ(all(svg, R"re(<rect class="band" x="([0-9.]+)")re").size(), 2u);

    const std::string flat = svgOf(twoCells(0, 0, 0), UnitSystem::English);
    EXPECT_EQ(all(flat, R"re(class="band" [^>]*fill="(#[0-9a-f]+)")re"),
              (std::vector<std::string>{"#ffffff"}));
    EXPECT_EQ(std::regex_search(flat, std::regex("nan|inf", std::regex::icase)), false);
}

} // namespace
} // namespace korvanex
