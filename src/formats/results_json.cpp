// SPDX-License-Identifier: Apache-2.0
#include "formats/results_json.h"

#include "case/case_words.h"
#include "engine/analysis_driver.h"
#include "engine/result_fields.h"
#include "formats/json_text.h"

namespace korvanex {

std::string resultsJson(const AnalysisCase& record, const AnalysisResults& results) {
    Json json;
    json["units"] = record.units == UnitSystem::Metric ? "Metric" : "English";
    json["location"] = locationName(record.location);
    json["gear"] = gearName(record.gear);
    json["layer"] = layerName(record.layer);
    json["tied_shoulder"] = wordOf(YesNoWords, record.tiedShoulder);
    json["widened_lane"] = wordOf(YesNoWords, record.widenedLane);
    Json& values = json["results"] = Json::object();
    const bool edgeModelRan = runsEdgeStressModel(record);
    for (const ResultField& field : resultFields()) {
        if (field.group != ResultGroup::EdgeModel || edgeModelRan) {
            values[std::string(field.name)] =
                field.wide != nullptr ? results.*field.wide : jsonFloat(results.*field.single);
        }
    }
    return jsonText(json);
}

} // namespace korvanex
