// SPDX-License-Identifier: Apache-2.0
// The closed-form edge model, the two-layer sections and the factor composition against the values that
// tests/data/engine/make_expected.py works out on its own from their formulas, at points that take every
// branch. Every value is compared exactly: the script rounds to single precision wherever the engine
// stores a value.

#include "case/case_words.h"
#include "case/fault.h"
#include "engine/combs.h"
#include "engine/edge_stress_model.h"
#include "engine/layer_section.h"
#include "engine/result_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>

namespace korvanex {
namespace {

// One row of the table: the line, and its inputs and expected values by name.
struct Row {
    std::string line;
    std::map<std::string, std::string> in, out;

    float number(const std::string& name) const { return std::stof(in.at(name)); }
    // An option word, written with underscores for spaces.
    template <typename T, std::size_t N> T option(const Word<T> (&words)[N], const std::string& name) const {
        std::string text = in.at(name);
        std::replace(text.begin(), text.end(), '_', ' ');
        return valueOf(words, text).value();
    }
};

std::map<std::string, std::string> namedValues(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        values[word.substr(0, word.find('='))] = word.substr(word.find('=') + 1);
    }
    return values;
}

std::vector<Row> rowsOf(const std::string& kind) {
    std::ifstream file(KORVANEX_TEST_DATA "/engine/worked_values.txt");
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        const std::size_t arrow = line.find(" => ");
        if (line.starts_with(kind + ' ') && arrow != std::string::npos) {
            rows.push_back({line, namedValues(line.substr(0, arrow).substr(kind.size())),
                            namedValues(line.substr(arrow + 4))});
        }
    }
    EXPECT_FALSE(rows.empty()) << "no " << kind << " rows in tests/data/engine/worked_values.txt";
    return rows;
}

// Every expected value of the row but the calls against the value computed under its name.
void expectValues(const Row& row, const std::function<float(const std::string&)>& computed) {
    SCOPED_TRACE(row.line);
    for (const auto& [name, expected] : row.out) {
        if (name != "calls") {
            EXPECT_EQ(computed(name), std::stof(expected)) << name;
        }
    }
}

const ResultField& fieldNamed(const std::string& name) {
    const auto fields = resultFields();
    const auto field =
        std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.name == name; });
    return field != fields.end() ? *field : throw std::out_of_range("no result field " + name);
}

float valueNamed(const AnalysisResults& results, const std::string& name) {
    return static_cast<float>(resultValue(results, fieldNamed(name)));
}

EdgeModelInputs edgeInputs(const Row& row) {
    using I = EdgeModelInputs;
    static const std::pair<const char*, float I::*> Numbers[] = {
        // clang-format off
        {"h1", &I::h1}, {"L", &I::L}, {"tp", &I::tp}, {"k", &I::k}, {"P", &I::P}, {"dT", &I::dT},
        {"alpha", &I::alpha}, {"mu", &I::mu}, {"E1", &I::E1}, {"E2", &I::E2}, {"h2", &I::h2}, {"d", &I::d},
        {"S", &I::S}, {"t", &I::t}, {"d0", &I::d0}, {"AGG_kl", &I::AGG_kl}, {"ADT", &I::ADT},
        // clang-format on
    };
    EdgeModelInputs in;
    for (const auto& [name, member] : Numbers) {
        in.*member = row.number(name);
    }
    in.gear = row.option(GearWords, "gear");
    in.layer = row.option(LayerWords, "layer");
    in.tiedShoulder = row.option(YesNoWords, "tied");
    in.widenedLane = row.option(YesNoWords, "widened");
    in.l = std::stod(row.in.at("l"));
    return in;
}

} // namespace

TEST(EdgeModel, OnEachGearLayerShoulderLaneAndTemperature) {
    for (const Row& row : rowsOf("model")) {
        const EdgeModelInputs in = edgeInputs(row);
        AnalysisResults results;
        EdgeStressModel(in, results);
        expectValues(row, [&](const std::string& name) {
            return name == "a'" ? MdRadius(in, static_cast<float>(in.l)) : valueNamed(results, name);
        });
    }
}

TEST(EdgeModel, EachRoutineOnEveryBranchAndBothSidesOfItsLimits) {
    const std::map<std::string, float (*)(const EdgeModelInputs&, float)> routines = {
        {"MdEdgeInfSlab", MdInfSlab}, {"MdSecondLayer", MdLayer}, {"MdSlabSize", MdSize},
        {"MdWidenedLane", MdWidened}, {"MdTiedShoulder", MdTied}, {"MdBottomLayerStress", MdBottom},
    };
    for (const Row& row : rowsOf("routines")) {
        const EdgeModelInputs in = edgeInputs(row);
        expectValues(row, [&](const std::string& name) {
            return name == "MdCurlStress" ? MdCurl(in, static_cast<float>(in.l))
                                          : routines.at(name)(in, row.number("a'"));
        });
    }
}

TEST(TwoLayerSection, UnbondedAndBonded) {
    const FaultCheck check("test");
    for (const Row& row : rowsOf("unbonded")) {
        const EquivalentSection s =
            unbondedSection(check, row.number("h1"), row.number("h2"), row.number("E1"), row.number("E2"));
        expectValues(row, [&](const std::string& name) { return name == "he" ? s.he : s.stressFactor; });
    }
    for (const Row& row : rowsOf("bonded")) {
        const BondedSection s =
            bondedSection(check, row.number("h1"), row.number("h2"), row.number("E1"), row.number("E2"));
        const std::map<std::string, float> values = {
            {"x1", s.x1},   {"x2", s.x2},         {"h1e", s.h1e},
            {"h2e", s.h2e}, {"he", s.section.he}, {"factor", s.section.stressFactor}};
        expectValues(row, [&](const std::string& name) { return values.at(name); });
    }
}

// The composition over models that return the row's factors and note the order of their calls.
TEST(FactorComposition, EveryLocationAndGearWithAndWithoutShoulderAndLane) {
    for (const Row& row : rowsOf("combs")) {
        AnalysisCase record;
        record.location = row.option(LocationWords, "location");
        record.gear = row.option(GearWords, "gear");
        record.tiedShoulder = row.option(YesNoWords, "tied");
        record.widenedLane = row.option(YesNoWords, "widened");
        AnalysisResults results;
        for (const char* name : {"SlabEdgeStress", "SlabCornerStress", "SlabInteriorStress",
                                 "SecondLayerFactor", "CurlStress"}) {
            results.*fieldNamed(name).single = row.number(name);
        }
        std::string calls;
        const auto note = [&](const std::string& name) {
            calls += (calls.empty() ? "" : ",") + name;
            return row.number(name);
        };
        const auto model = [&note](const char* name) {
            return [&note, name](auto&...) { return note(name); };
        };
        // clang-format off
        const LocationModels models{
            [&](float& ratio, float&) { return note(&ratio == &results.d_l ? "other" : "dual"); },
            model("tandem"), model("tridem"), model("tied_model"), model("widen"), model("size"),
            model("size_los"), model("curl")};
        // clang-format on
        combs(record, models, results);
        EXPECT_EQ(calls, row.out.at("calls")) << row.line;
        expectValues(row, [&](const std::string& name) { return valueNamed(results, name); });
    }
}

} // namespace korvanex
