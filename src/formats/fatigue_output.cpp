// SPDX-License-Identifier: Apache-2.0
#include "formats/fatigue_output.h"

#include "case/case_words.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "formats/json_text.h"
#include "formats/report.h"
#include "formats/traffic_json.h"
#include "io/csv_cell.h"

#include <charconv>
#include <cmath>

namespace korvanex {

namespace {

struct UnitWords {
    std::string_view load, temperature, stress, length;
};

UnitWords unitWords(UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    return {loadUnitWord(units), metric ? "oC" : "oF", stressUnitWord(units), lengthUnitWord(units)};
}

// The table's columns: width and whether the text stands to the right.
struct TableColumn {
    int width;
    bool right;
};
constexpr TableColumn tableColumns[] = {{4, true}, {14, false}, {11, true}, {9, true}, {14, true},
                                        {7, true}, {16, true},  {13, true}, {12, true}};

void appendColumn(std::string& line, std::size_t column, const std::string& text) {
    const TableColumn& format = tableColumns[column];
    const std::size_t pad =
        text.size() < static_cast<std::size_t>(format.width) ? format.width - text.size() : 0;
    if (column > 0) {
        line += "  ";
    }
    if (format.right) {
        line.append(pad, ' ');
    }
    line += text;
    if (!format.right && column + 1 < std::size(tableColumns)) {
        line.append(pad, ' ');
    }
}

// A status may quote an input cell: its control characters are shown escaped.
std::string tableLine(const std::vector<std::string>& texts) {
    std::string line;
    for (std::size_t column = 0; column < texts.size(); ++column) {
        appendColumn(line, column, withControlsEscaped(texts[column]));
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line + "\n";
}

std::string scientific(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3).ptr;
    std::string text(buffer, end);
    if (const std::size_t e = text.find('e'); e != std::string::npos) {
        text[e] = 'E';
    }
    return text;
}

std::string fieldNumber(const AnalysisCase& record, Field field) {
    return formatFixed(numericPrefix(record.text(field)), 1);
}

// The traffic of a spectrum of axle groups per 1,000 trucks and its growth factor, as the table shows
// them; nothing for a spectrum of repetitions.
std::string trafficLine(const TrafficSpectrum& spectrum) {
    if (!spectrum.traffic) {
        return {};
    }
    const TrafficSettings& traffic = *spectrum.traffic;
    return "Traffic: ADTT " + doubleText(traffic.adtt) +
           "   Growth: " + formatFixed(traffic.growthPercent, 2) +
           " %   Design life: " + formatFixed(traffic.designLifeYears, 0) +
           " years   Directional: " + formatFixed(traffic.directionalPercent, 1) +
           " %   Lane: " + formatFixed(traffic.lanePercent, 1) +
           " %   Growth factor G: " + formatFixed(growthFactor(traffic), 3) + "\n";
}

void setOptionalNumber(Json& json, const std::string& key, const std::optional<double>& value) {
    if (value) {
        setNumber(json, key, *value);
    } else {
        json[key] = Json();
    }
}

// The figures of a group that was not computed are null.
Json groupJson(std::size_t row, const SpectrumGroup& group, const GroupDamage& damage) {
    const bool ok = damage.status == GroupDamage::Status::Ok;
    Json json;
    const auto setFigure = [&json, ok](const std::string& key, double value) {
        setOptionalNumber(json, key, ok ? std::optional(value) : std::nullopt);
    };
    json["row"] = row;
    json["status"] = groupStatusText(damage);
    json["stress"] = ok ? Json(jsonFloat(damage.stressPsi)) : Json();
    setFigure("stress_ratio", damage.stressRatio);
    json["allowable_repetitions"] =
        ok && !std::isinf(damage.allowableRepetitions) ? Json(damage.allowableRepetitions) : Json();
    json["repetitions"] = group.error.empty() ? Json(group.repetitions) : Json();
    setFigure("damage_percent", damage.damagePercent);
    return json;
}

// The growth factor and the repetitions worked out from the traffic (empty for a row in error).
void appendTrafficCells(std::string& text, const TrafficSettings& traffic, const SpectrumGroup& group) {
    text += doubleText(growthFactor(traffic)) + ",";
    if (group.error.empty()) {
        text += doubleText(group.repetitions);
    }
    text += ',';
}

} // namespace

std::vector<std::string> fatigueHeadings(UnitSystem units) {
    const UnitWords words = unitWords(units);
    const auto inUnit = [](std::string_view name, std::string_view unit) {
        return std::string(name) + " (" + std::string(unit) + ")";
    };
    return {"Gear",
            inUnit("Load", words.load),
            inUnit("dT", words.temperature),
            inUnit("Stress", words.stress),
            "SR",
            "Allowable Reps",
            "Repetitions",
            "Damage (%)"};
}

std::vector<std::string> fatigueGroupTexts(const SpectrumGroup& group, const GroupDamage& damage) {
    if (damage.status == GroupDamage::Status::Error) {
        return {groupStatusText(damage)};
    }
    std::vector<std::string> texts{std::string(wordOf(GearCellWords, group.record.gear)),
                                   fieldNumber(group.record, Field::P), fieldNumber(group.record, Field::F)};
    if (damage.status == GroupDamage::Status::Fault) {
        texts.push_back(groupStatusText(damage));
        return texts;
    }
    texts.push_back(formatFixed(damage.stress, 1));
    texts.push_back(formatFixed(damage.stressRatio, 3));
    texts.push_back(repetitionsText(damage.allowableRepetitions));
    texts.push_back(scientific(group.repetitions));
    texts.push_back(formatFixed(damage.damagePercent, 2));
    return texts;
}

std::string groupStatusText(const GroupDamage& damage) {
    switch (damage.status) {
    case GroupDamage::Status::Fault:
        return "fault: " + damage.what;
    case GroupDamage::Status::Error:
        return "error: " + damage.what;
    case GroupDamage::Status::Ok:
        break;
    }
    return "ok";
}

std::string repetitionsText(double repetitions) {
    if (std::isinf(repetitions)) {
        return "unlimited";
    }
    return repetitions < 1 / LargestWrittenNumber ? "< 1E-300" : scientific(repetitions);
}

std::string requiredThicknessText(const RequiredThickness& thickness, UnitSystem units) {
    const std::string_view length = unitWords(units).length;
    switch (thickness.status) {
    case RequiredThickness::Status::Found:
        return thickness.h1Text + " " + std::string(length);
    case RequiredThickness::Status::NoneInRange: {
        const int last = thicknessGridPoints(units) - 1;
        return "none within the typical range (" + thicknessGridText(units, 0) + " to " +
               thicknessGridText(units, last) + " " + std::string(length) + ")";
    }
    case RequiredThickness::Status::NotSolved:
        break;
    }
    return "not solved: " + thickness.why;
}

std::string totalDamageText(const FatigueResult& result) {
    if (result.totalDamagePercent) {
        return formatFixed(*result.totalDamagePercent, 2) + " %";
    }
    if (result.groups.empty()) {
        return "not known: there is no load group";
    }
    std::size_t missing = 0;
    for (const GroupDamage& damage : result.groups) {
        missing += damage.status != GroupDamage::Status::Ok ? 1 : 0;
    }
    return "not known: " + std::to_string(missing) + (missing == 1 ? " group was" : " groups were") +
           " not computed";
}

std::string fatigueSettingsLines(const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    return "Fatigue model: " + std::string(wordOf(FatigueModelWords, settings.model)) +
           "   Stress: " + std::string(wordOf(FatigueStressWords, settings.stress)) +
           "   Modulus of rupture: " + formatFixed(settings.modulusOfRupture, 1) + " " +
           std::string(unitWords(spectrum.units).stress) +
           "   Target: " + formatFixed(settings.targetPercent, 2) + " %\n" + trafficLine(spectrum);
}

std::string fatigueTable(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                         const FatigueResult& result, const std::optional<RequiredThickness>& thickness) {
    std::string text = fatigueSettingsLines(spectrum, settings) + "\n";
    std::vector<std::string> texts = fatigueHeadings(spectrum.units);
    texts.insert(texts.begin(), "Row");
    text += tableLine(texts);
    for (std::size_t index = 0; index < result.groups.size(); ++index) {
        texts = fatigueGroupTexts(spectrum.groups[index], result.groups[index]);
        texts.insert(texts.begin(), std::to_string(index + 1));
        text += tableLine(texts);
    }
    text += "\nTotal damage: " + totalDamageText(result) + "\n";
    if (settings.model == FatigueModel::Power) {
        text += "Slabs cracked: " +
                (result.crackingPercent ? formatFixed(*result.crackingPercent, 2) + " %"
                                        : std::string("not known")) +
                "\n";
    }
    if (thickness) {
        text += "Required slab thickness h1: " + requiredThicknessText(*thickness, spectrum.units) + "\n";
    }
    return text;
}

std::vector<std::string> fatiguePrintLines(const AnalysisCase& record, const TrafficSpectrum& spectrum,
                                           const FatigueSettings& settings, const FatigueResult& result,
                                           const std::optional<RequiredThickness>& thickness,
                                           std::string_view printed) {
    std::vector<std::string> lines{"KORVANEX Fatigue Damage, printed " + std::string(printed)};
    const std::vector<std::string> inputs = reportInputLines(record);
    lines.insert(lines.end(), inputs.begin(), inputs.end());
    if (settings.model == FatigueModel::Power) {
        const PowerModelConstants& constants = settings.constants;
        lines.push_back("Power model constants: C1 = " + doubleText(constants.c1) +
                        "   C2 = " + doubleText(constants.c2) + "   C4 = " + doubleText(constants.c4) +
                        "   C5 = " + doubleText(constants.c5));
        lines.emplace_back();
    }
    std::string line;
    for (const char character : fatigueTable(spectrum, settings, result, thickness)) {
        if (character == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += character;
        }
    }
    return lines;
}

std::string fatigueCsv(const TrafficSpectrum& spectrum, const FatigueResult& result) {
    std::string text;
    for (const std::string& name : spectrum.cells.header) {
        appendCsvCell(text, name);
        text += ',';
    }
    if (spectrum.traffic) {
        text += "growth_factor,repetitions,";
    }
    text += "status,stress,stress_ratio,allowable_repetitions,damage_percent\n";
    std::vector<std::string> cells;
    for (std::size_t index = 0; index < result.groups.size(); ++index) {
        const GroupDamage& damage = result.groups[index];
        // The echo keeps the header's columns, so that the status stays in its column.
        cells = spectrum.cells.rows[index];
        cells.resize(spectrum.cells.header.size());
        for (const std::string& cell : cells) {
            appendCsvCell(text, cell);
            text += ',';
        }
        if (spectrum.traffic) {
            appendTrafficCells(text, *spectrum.traffic, spectrum.groups[index]);
        }
        appendCsvCell(text, groupStatusText(damage));
        if (damage.status == GroupDamage::Status::Ok) {
            // The stress is a result in the case's unit, rounded as stored; the fatigue figures are
            // kept in double precision.
            text += "," + floatText(static_cast<float>(damage.stress)) + "," +
                    doubleText(damage.stressRatio) + ",";
            if (!std::isinf(damage.allowableRepetitions)) {
                text += doubleText(damage.allowableRepetitions);
            }
            text += "," + doubleText(damage.damagePercent);
        } else {
            text += ",,,,";
        }
        text += '\n';
    }
    return text;
}

void addFatigueSettingsJson(Json& json, const TrafficSpectrum& spectrum, const FatigueSettings& settings) {
    json["model"] = wordOf(FatigueModelWords, settings.model);
    json["stress"] = wordOf(FatigueStressWords, settings.stress);
    setNumber(json, "modulus_of_rupture", modulusOfRupturePsi(settings, spectrum.units));
    setNumber(json, "target_percent", settings.targetPercent);
    if (spectrum.traffic) {
        json["traffic"] = trafficJson(*spectrum.traffic);
        setNumber(json, "growth_factor", growthFactor(*spectrum.traffic));
    }
}

std::string fatigueJson(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                        const FatigueResult& result, const std::optional<RequiredThickness>& thickness) {
    Json json;
    addFatigueSettingsJson(json, spectrum, settings);
    Json& groups = json["groups"] = Json::array();
    for (std::size_t index = 0; index < result.groups.size(); ++index) {
        groups.push_back(groupJson(index + 1, spectrum.groups[index], result.groups[index]));
    }
    setOptionalNumber(json, "total_damage_percent", result.totalDamagePercent);
    if (settings.model == FatigueModel::Power) {
        setOptionalNumber(json, "cracking_percent", result.crackingPercent);
    }
    if (thickness) {
        const bool found = thickness->status == RequiredThickness::Status::Found;
        json["required_h1"] = found ? Json(thickness->h1) : Json();
    }
    json["required_h1_units"] = unitWords(spectrum.units).length;
    return jsonText(json);
}

std::vector<std::string> fatigueWarnings(const TrafficSpectrum& spectrum, const FatigueSettings& settings,
                                         const FatigueResult& result) {
    const std::string stressUnit(unitWords(spectrum.units).stress);
    std::vector<std::string> warnings;
    const double psi = modulusOfRupturePsi(settings, spectrum.units);
    const auto [least, greatest] = UsualModulusOfRupturePsi;
    if (psi < least || psi > greatest) {
        const double factor = spectrum.units == UnitSystem::Metric ? KpaPerPsi : 1;
        warnings.push_back("the modulus of rupture " + doubleText(settings.modulusOfRupture) + " " +
                           stressUnit + " is outside the usual range for concrete, " +
                           formatFixed(least * factor, 0) + " to " + formatFixed(greatest * factor, 0) + " " +
                           stressUnit);
    }
    for (std::size_t index = 0; index < result.groups.size(); ++index) {
        const GroupDamage& damage = result.groups[index];
        if (damage.status == GroupDamage::Status::Ok && damage.stressRatio > 1) {
            warnings.push_back(
                "row " + std::to_string(index + 1) + ": SR " + formatFixed(damage.stressRatio, 3) +
                " is above 1: the stress exceeds the modulus of rupture; is MR in " + stressUnit + "?");
        }
    }
    return warnings;
}

std::string spectrumCsv(const SpectrumCells& cells) {
    std::string text;
    const auto appendRow = [&text](const std::vector<std::string>& row) {
        for (std::size_t index = 0; index < row.size(); ++index) {
            if (index > 0) {
                text += ',';
            }
            appendCsvCell(text, row[index]);
        }
        text += '\n';
    };
    appendRow(cells.header);
    for (const std::vector<std::string>& row : cells.rows) {
        appendRow(row);
    }
    return text;
}

} // namespace korvanex
