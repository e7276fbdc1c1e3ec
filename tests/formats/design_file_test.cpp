// SPDX-License-Identifier: Apache-2.0
#include "formats/design_file.h"

#include "formats/json_text.h"
#include "io/case_file.h"

#include <gtest/gtest.h>

#include <functional>

using namespace korvanex;

namespace {

// A design with every part: a metric case read from a case file (its captions), with settings a case
// file lacks, a spectrum whose cells need quoting, the traffic, the power model and a reliability
// study with the largest seed.
Design fullDesign() {
    Design design;
    design.record = AnalysisCase::defaults(UnitSystem::English);
    parseCaseFile(caseFileText(AnalysisCase::defaults(UnitSystem::Metric)), design.record);
    design.record.tiedShoulder = true;
    design.record.d = "210";
    design.record.F = " -7 ";
    design.spectrum = SpectrumCells{{"gear", "P", "per_1000_trucks"},
                                    {{"dual-tandem", "150", "0.19"}, {"", "\"a, b\"", "1e-3"}, {"ΔT"}}};
    design.traffic = TrafficSettings{1234.5, 3, 25, 55, 90};
    design.fatigue =
        FatigueSettings{FatigueModel::Power, {2.5, 1.3, 1.1, -2}, FatigueStress::Loading, 4478.5, 80};
    ReliabilitySettings& reliability = design.reliability.emplace();
    reliability.of(ScatterInput::H1) = {0.04, ScatterDistribution::Normal};
    reliability.of(ScatterInput::Traffic) = {0.3, ScatterDistribution::Lognormal};
    reliability.samples = 2500;
    reliability.seed = 18446744073709551615u;
    reliability.reliabilityPercent = 97.5;
    return design;
}

} // namespace

TEST(DesignFile, ReadsBackEveryPartAsItWasWritten) {
    const Design written = fullDesign();
    const std::string text = designFileText(written);
    Design read;
    ASSERT_EQ(parseDesignFile(text, read), "");
    EXPECT_EQ(designFileText(read), text);
    EXPECT_EQ(read.record.captions, written.record.captions);
    EXPECT_NE(text.find("\"reliability\": {\n    \"scatter\": {\n      \"h1\": {\n        \"cov\": 0.04,\n"
                        "        \"distribution\": \"normal\"\n      },\n      \"traffic\""),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"captions\": {\n      \"k\": \"Subgrade Modulus, K (kPa/mm)\"\n    }"),
              std::string::npos);

    // The default case alone: the dialogs' captions, no optional part.
    Design bare;
    bare.record = AnalysisCase::defaults(UnitSystem::English);
    ASSERT_EQ(parseDesignFile(designFileText(bare), read), "");
    EXPECT_EQ(read.record.captions, bare.record.captions);
    EXPECT_FALSE(read.spectrum || read.traffic || read.fatigue || read.reliability);
}

namespace {

using Edit = std::function<void(Json&)>;

// A change to the full design's document and the refusal it earns.
struct Refusal {
    Edit edit;
    const char* message;
};

const Refusal refusals[] = {
    {[](Json& j) { j["colour"] = "red"; }, "unknown key \"colour\""},
    {[](Json& j) { j["case"]["fields"]["h3"] = "1"; }, "unknown key \"case.fields.h3\""},
    {[](Json& j) { j["fatigue"]["constants"]["c3"] = 1; }, "unknown key \"fatigue.constants.c3\""},
    {[](Json& j) { j.erase("format"); }, "format is missing"},
    {[](Json& j) { j["format"] = "korvanex-case"; }, "format must be \"korvanex-design\""},
    {[](Json& j) { j["version"] = 2; }, "version must be 1, not 2"},
    {[](Json& j) { j["version"] = "1"; }, "version must be 1, not \"1\""},
    {[](Json& j) { j.erase("case"); }, "case is missing"},
    {[](Json& j) { j["case"] = Json::array(); }, "case must be an object"},
    {[](Json& j) { j["case"]["fields"].erase("alp"); }, "case.fields.alp is missing"},
    {[](Json& j) { j["case"]["fields"]["h1"] = 9.5; }, "case.fields.h1 must be a string"},
    {[](Json& j) { j["case"]["fields"]["P"] = "80\n90"; }, "case.fields.P must be one line"},
    {[](Json& j) { j["case"]["tied_shoulder"] = "yes"; }, "case.tied_shoulder must be true or false"},
    {[](Json& j) { j["case"]["gear"] = "Dual-Tandem"; },
     "case.gear must be single-single, single-tandem, single-tridem, dual-single, dual-tandem or "
     "dual-tridem, "
     "not \"Dual-Tandem\""},
    {[](Json& j) { j["case"]["captions"]["P"] = "Load"; }, "case.captions.P must be \"Axle Load, P (kN)\""},
    {[](Json& j) { j["case"]["captions"]["k"] = "K"; },
     "case.captions.k must be \"Subgrade Modulus, k (kPa/mm)\" or \"Subgrade Modulus, K (kPa/mm)\""},
    {[](Json& j) {
         j["spectrum"]["header"] = {"repetitions", "per_1000_trucks"};
     },
     "spectrum.header: a spectrum gives either repetitions or per_1000_trucks, not both"},
    {[](Json& j) { j["spectrum"]["rows"][1][2] = 0.001; }, "spectrum.rows[1][2] must be a string"},
    {[](Json& j) { j["spectrum"]["rows"] = Json::object(); }, "spectrum.rows must be an array of rows"},
    {[](Json& j) { j["traffic"]["adtt"] = "1000"; }, "traffic.adtt must be a number"},
    {[](Json& j) { j["traffic"]["design_life_years"] = 2.5; },
     "traffic.design_life_years must be a whole number from 1 to 100, not 2.5"},
    {[](Json& j) { j["traffic"]["lane_percent"] = 0; },
     "traffic.lane_percent must be a number greater than 0 and at most 100, not 0"},
    {[](Json& j) { j["fatigue"].erase("model"); }, "fatigue.model is missing"},
    {[](Json& j) { j["fatigue"]["modulus_of_rupture"] = -650; },
     "fatigue.modulus_of_rupture must be a number greater than 0, not -650"},
    {[](Json& j) { j["fatigue"]["stress"] = "edge"; },
     "fatigue.stress must be combined, loading or edge-model, not \"edge\""},
    {[](Json& j) { j["fatigue"]["constants"]["c2"] = nullptr; }, "fatigue.constants.c2 must be a number"},
    {[](Json& j) { j["reliability"]["scatter"]["h2"] = Json::object(); },
     "unknown key \"reliability.scatter.h2\""},
    {[](Json& j) { j["reliability"]["scatter"]["h1"]["cov"] = 15; },
     "reliability.scatter.h1.cov must be a number from 0 to 2, not 15"},
    {[](Json& j) { j["reliability"]["scatter"]["traffic"]["distribution"] = "uniform"; },
     "reliability.scatter.traffic.distribution must be lognormal or normal, not \"uniform\""},
    {[](Json& j) { j["reliability"].erase("scatter"); }, "reliability.scatter is missing"},
    {[](Json& j) { j["reliability"]["samples"] = 0; },
     "reliability.samples must be a whole number from 1 to 10000000, not 0"},
    {[](Json& j) { j["reliability"]["samples"] = 2.5; },
     "reliability.samples must be a whole number from 1 to 10000000, not 2.5"},
    {[](Json& j) { j["reliability"]["seed"] = -1; },
     "reliability.seed must be a whole number from 0 to 18446744073709551615, not -1"},
    {[](Json& j) { j["reliability"]["reliability_percent"] = 0; },
     "reliability.reliability_percent must be a number greater than 0 and at most 100, not 0"},
};

} // namespace

TEST(DesignFile, RefusesAndNamesTheKey) {
    const std::string text = designFileText(fullDesign());
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.message);
        Json document = Json::parse(text);
        refusal.edit(document);
        Design design;
        design.record.h1 = "untouched";
        EXPECT_EQ(parseDesignFile(document.dump(), design), refusal.message);
        EXPECT_EQ(design.record.h1, "untouched");
    }
    Design design;
    EXPECT_EQ(parseDesignFile("[]", design), "a design file is one JSON object");
    EXPECT_EQ(parseDesignFile("{\"version\": 1, \"version\": 1}", design), "the key \"version\" is repeated");
    EXPECT_EQ(
        parseDesignFile("{\"format\": ", design),
        "not JSON: parse error at line 1, column 12: syntax error while parsing value - unexpected end of "
        "input; expected '[', '{', or a literal");
}
