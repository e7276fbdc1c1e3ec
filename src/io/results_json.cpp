#include "io/results_json.h"

#include "case/case_words.h"
#include "engine/analysis_driver.h"
#include "engine/result_fields.h"

#include "case/number_text.h"

namespace korvanex {

std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            json += "\\u00";
            json += hex[(c >> 4) & 0xf];
            json += hex[c & 0xf];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string resultsJson(const AnalysisCase& record, const AnalysisResults& results) {
    std::string json = "{\n";
    json += "  \"units\": " + jsonString(record.units == UnitSystem::Metric ? "Metric" : "English") + ",\n";
    json += "  \"location\": " + jsonString(locationName(record.location)) + ",\n";
    json += "  \"gear\": " + jsonString(gearName(record.gear)) + ",\n";
    json += "  \"layer\": " + jsonString(layerName(record.layer)) + ",\n";
    json += "  \"tiedShoulder\": " + jsonString(wordOf(YesNoWords, record.tiedShoulder)) + ",\n";
    json += "  \"widenedLane\": " + jsonString(wordOf(YesNoWords, record.widenedLane)) + ",\n";
    json += "  \"results\": {";
    const bool edgeModelRan = runsEdgeStressModel(record);
    const char* separator = "\n";
    for (const ResultField& field : resultFields()) {
        if (field.group == ResultGroup::EdgeModel && !edgeModelRan) {
            continue;
        }
        json += separator;
        json += "    " + jsonString(field.name) + ": ";
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
