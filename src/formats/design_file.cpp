// SPDX-License-Identifier: Apache-2.0
#include "formats/design_file.h"

#include "case/case_words.h"
#include "formats/json_text.h"
#include "formats/scatter_json.h"
#include "formats/traffic_json.h"
#include "io/file_access.h"

namespace korvanex {

namespace {

Json fieldsJson(const AnalysisCase& record) {
    Json fields = Json::object();
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = static_cast<Field>(index);
        fields[std::string(fieldName(field))] = record.text(field);
    }
    return fields;
}

// The captions that differ from those the dialogs give the case's unit system.
Json captionsJson(const AnalysisCase& record) {
    const AnalysisCase dialogs = AnalysisCase::defaults(record.units);
    Json captions = Json::object();
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = static_cast<Field>(index);
        if (record.caption(field) != dialogs.caption(field)) {
            captions[std::string(fieldName(field))] = record.caption(field);
        }
    }
    return captions;
}

Json caseJson(const AnalysisCase& record) {
    Json json;
    json["units"] = wordOf(UnitCellWords, record.units);
    json["location"] = wordOf(LocationCellWords, record.location);
    json["gear"] = wordOf(GearCellWords, record.gear);
    json["layer"] = wordOf(LayerCellWords, record.layer);
    json["tied_shoulder"] = record.tiedShoulder;
    json["widened_lane"] = record.widenedLane;
    json["fields"] = fieldsJson(record);
    if (Json captions = captionsJson(record); !captions.empty()) {
        json["captions"] = std::move(captions);
    }
    return json;
}

Json spectrumJson(const SpectrumCells& cells) {
    Json json;
    json["header"] = cells.header;
    json["rows"] = Json::array();
    for (const std::vector<std::string>& row : cells.rows) {
        json["rows"].push_back(row);
    }
    return json;
}

Json fatigueSettingsJson(const FatigueSettings& settings) {
    Json json;
    json["modulus_of_rupture"] = settings.modulusOfRupture;
    json["model"] = wordOf(FatigueModelWords, settings.model);
    const PowerModelConstants& constants = settings.constants;
    json["constants"] = {
        {"c1", constants.c1}, {"c2", constants.c2}, {"c4", constants.c4}, {"c5", constants.c5}};
    json["stress"] = wordOf(FatigueStressWords, settings.stress);
    json["target_percent"] = settings.targetPercent;
    return json;
}

Json reliabilitySettingsJson(const ReliabilitySettings& settings) {
    Json json;
    json["scatter"] = scatterJson(settings);
    json["samples"] = settings.samples;
    json["seed"] = settings.seed;
    if (settings.reliabilityPercent) {
        json["reliability_percent"] = *settings.reliabilityPercent;
    }
    return json;
}

} // namespace

std::string designFileText(const Design& design) {
    Json json;
    json["format"] = DesignFormat;
    json["version"] = DesignVersion;
    json["case"] = caseJson(design.record);
    if (design.spectrum) {
        json["spectrum"] = spectrumJson(*design.spectrum);
    }
    if (design.traffic) {
        json["traffic"] = trafficJson(*design.traffic);
    }
    if (design.fatigue) {
        json["fatigue"] = fatigueSettingsJson(*design.fatigue);
    }
    if (design.reliability) {
        json["reliability"] = reliabilitySettingsJson(*design.reliability);
    }
    return jsonText(json);
}

std::string readDesignFile(const std::string& path, Design& design) {
    std::string text;
    if (std::string error = readSmallFile(path, text); !error.empty()) {
        return error;
    }
    const std::string error = parseDesignFile(text, design);
    return error.empty() ? error : path + ": " + error;
}

std::string writeDesignFile(const std::string& path, const Design& design) {
    const std::string text = designFileText(design);
    if (text.size() > MaxReadSize) {
        return path + " cannot be written: the design is larger than 1 MiB, the most a design file holds";
    }
    return writeFileAtomically(path, text);
}

} // namespace korvanex
