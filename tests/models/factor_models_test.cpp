// SPDX-License-Identifier: Apache-2.0
// Every fitted model against the factors and clamped ratios that tests/data/models/make_expected.py
// works out from the models' formulas on its own (see that script for how the ratio sets are chosen).

#include "models/corner_models.h"
#include "models/edge_models.h"
#include "models/interior_models.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

using namespace korvanex;

namespace {

using Ratios = std::vector<float>;

struct Model {
    std::size_t arity;
    std::function<float(Ratios&)> call;
};

// A model called on as many ratios as it takes, which it may clamp in place.
template <class... Ratio> Model model(float (*call)(Ratio...)) {
    return {sizeof...(Ratio), [call](Ratios& r) {
                return [&]<std::size_t... At>(std::index_sequence<At...>) {
                    return call(r[At]...);
                }
                (std::index_sequence_for<Ratio...>{});
            }};
}

const std::map<std::string, Model>& models() {
    static const std::map<std::string, Model> table = {
        // clang-format off
        {"edge_tied", model(edge_tied)}, {"edge_widen", model(edge_widen)}, {"edge_dual", model(edge_dual)},
        {"edge_tandem", model(edge_tandem)}, {"edge_tridem", model(edge_tridem)}, {"edge_size", model(edge_size)},
        {"edge_size_los", model(edge_size_los)}, {"edge_curl", model(edge_curl)},
        {"corner_tied", model(corner_tied)}, {"corner_widen", model(corner_widen)},
        {"corner_dual", model(corner_dual)}, {"corner_tandem", model(corner_tandem)},
        {"corner_tridem", model(corner_tridem)}, {"corner_size", model(corner_size)},
        {"corner_size_los", model(corner_size_los)}, {"corner_curl", model(corner_curl)},
        {"interior_unity", model(interior_unity)}, {"interior_dual", model(interior_dual)},
        {"interior_tandem", model(interior_tandem)}, {"interior_tridem", model(interior_tridem)},
        {"interior_size", model(interior_size)}, {"interior_size_los", model(interior_size_los)},
        {"interior_curl", model(interior_curl)},
        // clang-format on
    };
    return table;
}

Ratios readRatios(std::istream& row, std::size_t count) {
    Ratios ratios(count);
    for (float& ratio : ratios) {
        row >> ratio;
    }
    return ratios;
}

} // namespace

// Within two units in the last place of single precision (of 1 for factors below 1): the Release build's
// optimiser currently moves a few factors by about one unit. The script makes sure that a wrong digit
// moves some factor by at least four.
TEST(FactorModels, EveryModelGivesTheIndependentlyWorkedFactorsAndClampedRatios) {
    std::ifstream file(KORVANEX_TEST_DATA "/models/expected_factors.txt");
    ASSERT_TRUE(file) << "missing tests/data/models/expected_factors.txt";
    std::map<std::string, int> rowsPerModel;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream row(line);
        std::string name;
        std::string arrow;
        row >> name;
        SCOPED_TRACE(line);
        const auto model = models().find(name);
        ASSERT_NE(model, models().end());
        Ratios ratios = readRatios(row, model->second.arity);
        float factor = 0;
        row >> arrow >> factor;
        const Ratios clamped = readRatios(row, model->second.arity);
        ASSERT_TRUE(row && arrow == "=>");
        const float scale = std::max(std::fabs(factor), 1.0f);
        const float unit = std::nextafter(scale, INFINITY) - scale;
        EXPECT_NEAR(model->second.call(ratios), factor, 2 * unit);
        EXPECT_EQ(ratios, clamped);
        ++rowsPerModel[name];
    }
    EXPECT_EQ(rowsPerModel.size(), models().size());
}
