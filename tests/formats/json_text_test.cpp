// SPDX-License-Identifier: Apache-2.0
// Every JSON the program writes: the layout, the numbers and the strings of jsonText, and the keys
// and numbers of the results JSON.

#include "formats/json_text.h"

#include "case/number_text.h"
#include "engine/compute_stresses.h"
#include "formats/results_json.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvanex {
namespace {

TEST(JsonText, MembersOnLinesOfTheirOwnAndTheElementsOfAnArrayOnOneLineEach) {
    Json document;
    document["name"] = "a \"b\"\n\xFF";
    document["count"] = 3;
    document["float"] = jsonFloat(243.8f);
    document["double"] = static_cast<double>(243.8f);
    document["whole"] = 650.0;
    document["large"] = 8e5;
    setNumber(document, "beyond", INFINITY);
    setNumber(document, "below", -INFINITY);
    setNumber(document, "undefined", NAN);
    setNumber(document, "largest", 1e308);
    document["bare"] = INFINITY;
    document["nothing"] = nullptr;
    document["flag"] = true;
    document["empty"] = Json::object();
    document["none"] = Json::array();
    document["rows"] = {{{"row", 1}, {"x", 0.1}}, {{"row", 2}, {"cells", {1, 2}}}};
    document["nested"] = {{"a", -2.5}};
    EXPECT_EQ(jsonText(document), "{\n"
                                  "  \"name\": \"a \\\"b\\\"\\n\xEF\xBF\xBD\",\n"
                                  "  \"count\": 3,\n"
                                  "  \"float\": 243.8,\n"
                                  "  \"double\": 243.8000030517578,\n"
                                  "  \"whole\": 650,\n"
                                  "  \"large\": 8e+05,\n"
                                  "  \"beyond\": null,\n"
                                  "  \"beyond_text\": \"> 1E+300\",\n"
                                  "  \"below\": null,\n"
                                  "  \"below_text\": \"< -1E+300\",\n"
                                  "  \"undefined\": null,\n"
                                  "  \"undefined_text\": \"not known\",\n"
                                  "  \"largest\": 1e+308,\n"
                                  "  \"bare\": null,\n"
                                  "  \"nothing\": null,\n"
                                  "  \"flag\": true,\n"
                                  "  \"empty\": {},\n"
                                  "  \"none\": [],\n"
                                  "  \"rows\": [\n"
                                  "    {\"row\": 1, \"x\": 0.1},\n"
                                  "    {\"row\": 2, \"cells\": [1, 2]}\n"
                                  "  ],\n"
                                  "  \"nested\": {\n"
                                  "    \"a\": -2.5\n"
                                  "  }\n"
                                  "}\n");
}

TEST(ResultsJson, TheOptionsInSnakeCaseThenEveryResultUnderItsName) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.tiedShoulder = true;
    AnalysisResults results;
    computeStresses(record, results);
    const std::string json = resultsJson(record, results);
    EXPECT_EQ(json.substr(0, json.find("    \"SlabEdgeStress\"")), "{\n"
                                                                   "  \"units\": \"Metric\",\n"
                                                                   "  \"location\": \"Edge\",\n"
                                                                   "  \"gear\": \"Dual-Single\",\n"
                                                                   "  \"layer\": \"One Layer\",\n"
                                                                   "  \"tied_shoulder\": \"Yes\",\n"
                                                                   "  \"widened_lane\": \"No\",\n"
                                                                   "  \"results\": {\n");
    // The radius as the double it is kept in, every other result as its float, in psi and inches.
    EXPECT_NE(json.find("\n    \"l\": " + doubleText(results.l) + ",\n"), std::string::npos);
    EXPECT_NE(json.find("\n    \"MdCombinedStress\": " + floatText(results.MdCombinedStress) + ",\n"),
              std::string::npos);
    EXPECT_TRUE(
        json.ends_with("\n    \"CombinedStress\": " + floatText(results.CombinedStress) + "\n  }\n}\n"));
}

} // namespace
} // namespace korvanex
