// SPDX-License-Identifier: Apache-2.0
// The spectrum reader, the fatigue damage in both models and the thickness solver on any input: every
// number in every output (the table, the CSV and the JSON) is finite, written in digits or, where it
// is beyond the double range, in words; the damages are numbers of 0 or more, the percent of slabs
// cracked lies between 0 and 100, and a thickness found carries the traffic.
//
// Input: the first line holds one byte per option (unit system, stress), each taken modulo its number
// of choices; the second line the modulus of rupture, the target and the constants C1, C2, C4 and C5,
// separated by blanks, each taking its default where it is missing or not a number; the rest is the
// spectrum CSV, read on the default case of the unit system.

#include "case/number_text.h"
#include "formats/fatigue_output.h"
#include "formats/json_text.h"
#include "fuzz_property.h"
#include "io/csv_reader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex::fuzz {
namespace {

// The solver computes every group at up to 1,601 thicknesses: only small spectra are solved.
constexpr std::size_t MostGroupsSolved = 4;

// The words a table or a CSV writes where a number is beyond what it writes in digits.
constexpr std::string_view NumberWordsWritten[] = {"unlimited", "< 1E-300", "> 1E+300", "< -1E+300"};

struct FuzzInput {
    UnitSystem units = UnitSystem::English;
    FatigueStress stress = FatigueStress::Combined;
    std::vector<std::optional<double>> numbers; // MR, target, C1, C2, C4, C5
    std::string csv;
};

std::string_view lineAt(std::string_view bytes, std::size_t& position) {
    const std::size_t end = std::min(bytes.find('\n', position), bytes.size());
    const std::string_view line = bytes.substr(position, end - position);
    position = std::min(end + 1, bytes.size());
    return line;
}

FuzzInput inputFromBytes(std::string_view bytes) {
    FuzzInput input;
    std::size_t position = 0;
    const std::string_view options = lineAt(bytes, position);
    const auto option = [&options](std::size_t index, std::size_t choices) {
        return index < options.size() ? static_cast<unsigned char>(options[index]) % choices : 0;
    };
    input.units = static_cast<UnitSystem>(option(0, 2));
    input.stress = static_cast<FatigueStress>(option(1, 3));
    std::istringstream numbers{std::string(lineAt(bytes, position))};
    for (std::string text; numbers >> text;) {
        input.numbers.push_back(finiteNumber(text));
    }
    input.csv = bytes.substr(position);
    return input;
}

FatigueSettings settingsOf(const FuzzInput& input, FatigueModel model) {
    FatigueSettings settings;
    settings.model = model;
    settings.stress = input.stress;
    settings.modulusOfRupture = input.units == UnitSystem::Metric ? 4478.5 : 650;
    double* const values[] = {&settings.modulusOfRupture, &settings.targetPercent, &settings.constants.c1,
                              &settings.constants.c2,     &settings.constants.c4,  &settings.constants.c5};
    for (std::size_t index = 0; index < input.numbers.size() && index < std::size(values); ++index) {
        if (input.numbers[index]) {
            *values[index] = *input.numbers[index];
        }
    }
    return settings;
}

bool isWrittenNumber(std::string_view text) {
    for (std::string_view words : NumberWordsWritten) {
        if (text == words) {
            return true;
        }
    }
    const std::optional<double> number = finiteNumber(text);
    return number && std::isfinite(*number);
}

// The fields of a table line: the texts between runs of two or more blanks.
std::vector<std::string_view> tableFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t position = line.find_first_not_of(' ');
    while (position != std::string_view::npos) {
        const std::size_t end = std::min(line.find("  ", position), line.size());
        fields.push_back(line.substr(position, end - position));
        position = line.find_first_not_of(' ', end);
    }
    return fields;
}

void checkResult(const FatigueSettings& settings, const FatigueResult& result,
                 const std::optional<RequiredThickness>& thickness) {
    for (const GroupDamage& damage : result.groups) {
        if (damage.status == GroupDamage::Status::Ok) {
            require(damage.damagePercent >= 0, "a group's damage is a number of 0 or more");
            require(!std::isnan(damage.stressRatio), "a group's stress ratio is a number");
        }
    }
    require(!result.totalDamagePercent || *result.totalDamagePercent >= 0,
            "the total damage is a number of 0 or more");
    require(!result.crackingPercent || (*result.crackingPercent >= 0 && *result.crackingPercent <= 100),
            "the percent of slabs cracked lies between 0 and 100");
    if (thickness && thickness->status == RequiredThickness::Status::Found) {
        require(thickness->totalDamagePercent <= settings.targetPercent,
                "a thickness found carries the traffic");
    }
}

void checkTable(const std::string& table, const FatigueResult& result) {
    std::istringstream in(table);
    std::vector<std::string> kept;
    for (std::string line; std::getline(in, line);) {
        kept.push_back(line);
    }
    // The heading, an empty line and the column heads stand before the groups.
    require(kept.size() >= 3 + result.groups.size(), "the table has a line per group");
    for (std::size_t index = 0; index < result.groups.size(); ++index) {
        if (result.groups[index].status != GroupDamage::Status::Ok) {
            continue;
        }
        const std::vector<std::string_view> fields = tableFields(kept[3 + index]);
        require(fields.size() == 9, "a computed group fills every column");
        for (std::size_t column = 2; column < fields.size(); ++column) {
            require(isWrittenNumber(fields[column]),
                    "every number of a group's line is finite or said in words");
        }
    }
    for (const std::string& line : kept) {
        for (const std::string_view label : {"Total damage: ", "Slabs cracked: "}) {
            if (line.starts_with(label) && !line.starts_with(std::string(label) + "not known")) {
                const std::string_view value = std::string_view(line).substr(label.size());
                require(value.ends_with(" %") && isWrittenNumber(value.substr(0, value.size() - 2)),
                        "a total is a finite percentage or said in words");
            }
        }
    }
}

void checkCsv(const std::string& csv, const FatigueResult& result) {
    std::istringstream in(csv);
    CsvReader reader(in, 4 * MaxCsvRecordBytes);
    std::vector<std::string> row;
    require(reader.read(row) == CsvReader::Status::Record, "the CSV starts with its header");
    for (const GroupDamage& damage : result.groups) {
        require(reader.read(row) == CsvReader::Status::Record && row.size() >= 4,
                "the CSV has a row per group");
        if (damage.status != GroupDamage::Status::Ok) {
            continue;
        }
        for (std::size_t cell = row.size() - 4; cell < row.size(); ++cell) {
            require(row[cell].empty() || isWrittenNumber(row[cell]),
                    "every figure of the CSV is finite, said in words or empty");
        }
    }
}

void checkJsonNumbers(const Json& value) {
    if (value.is_number()) {
        require(std::isfinite(value.get<double>()), "every number of the JSON is finite");
    }
    if (value.is_object()) {
        for (auto member = value.begin(); member != value.end(); ++member) {
            const std::string& key = member.key();
            if (key.ends_with("_text")) {
                const std::string number = key.substr(0, key.size() - 5);
                require(value.contains(number) && value[number].is_null(),
                        "words stand beside a null number");
            }
        }
    }
    for (const Json& element : value) {
        if (value.is_structured()) {
            checkJsonNumbers(element);
        }
    }
}

void checkJson(const std::string& text) {
    Json document;
    try {
        document = Json::parse(text);
    } catch (const Json::exception&) {
        require(false, "the JSON reads as JSON");
    }
    checkJsonNumbers(document);
}

void checkFatigue(const FuzzInput& input) {
    std::istringstream in(input.csv);
    TrafficSpectrum spectrum;
    if (!readSpectrum(in, AnalysisCase::defaults(input.units), spectrum).empty()) {
        return;
    }
    for (const FatigueModel model : {FatigueModel::Pca, FatigueModel::Power}) {
        const FatigueSettings settings = settingsOf(input, model);
        const FatigueResult result = computeFatigue(spectrum, settings);
        std::optional<RequiredThickness> thickness;
        if (spectrum.groups.size() <= MostGroupsSolved) {
            thickness = solveThickness(spectrum, settings);
        }
        checkResult(settings, result, thickness);
        checkTable(fatigueTable(spectrum, settings, result, thickness), result);
        checkCsv(fatigueCsv(spectrum, result), result);
        checkJson(fatigueJson(spectrum, settings, result, thickness));
        for (const std::string& warning : fatigueWarnings(spectrum, settings, result)) {
            require(warning.find("inf") == std::string::npos && warning.find("nan") == std::string::npos,
                    "a warning shows no infinity and no NaN");
        }
    }
}

} // namespace
} // namespace korvanex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvanex::fuzz;
    checkFatigue(inputFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
