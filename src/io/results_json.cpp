#include "io/results_json.h"

#include "case/case_words.h"
#include "engine/analysis_driver.h"
#include "engine/result_fields.h"

#include "case/number_text.h"

namespace korvanex {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

} // namespace

std::string resultsJson(const AnalysisCase& record, const AnalysisResults& results) {
    std::string json = "{\n";
    json += "  \"units\": " + quoted(record.units == UnitSystem::Metric ? "Metric" : "English") + ",\n";
    json += "  \"location\": " + quoted(locationName(record.location)) + ",\n";
    json += "  \"gear\": " + quoted(gearName(record.gear)) + ",\n";
    json += "  \"layer\": " + quoted(layerName(record.layer)) + ",\n";
    json += "  \"tiedShoulder\": " + quoted(wordOf(YesNoWords, record.tiedShoulder)) + ",\n";
    json += "  \"widenedLane\": " + quoted(wordOf(YesNoWords, record.widenedLane)) + ",\n";
    json += "  \"results\": {";
    const bool edgeModelRan = runsEdgeStressModel(record);
    const char* separator = "\n";
    for (const ResultField& field : resultFields()) {
        if (field.group == ResultGroup::EdgeModel && !edgeModelRan) {
            continue;
        }
        json += separator;
        json += "    " + quoted(field.name) + ": ";
        if (field.wide != nullptr) {
            appendDoubleText(json, results.*field.wide);
        } else {
            appendFloatText(json, results.*field.single);
        }
        separator = ",\n";
    }
    json += "\n  }\n}\n";
    return json;
}

} // namespace korvanex
