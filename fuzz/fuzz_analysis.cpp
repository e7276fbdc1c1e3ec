// SPDX-License-Identifier: Apache-2.0
// The whole analysis on a case whose twenty texts come from the input: it either ends in the typed
// fault or leaves finite numbers in every field it wrote, the report of a finished run shows a number
// in the pattern on every result line, and its results JSON holds a finite number for every result.
//
// Input: the first line holds one byte per option (unit system, location, gear, layer, tied
// shoulder, widened lane, detailed report), each taken modulo its number of choices, so that the
// digits 0 to 5 name the choices in order; every further line is the text of one field in the
// record's order P, tp, S, t, d, h1, h2, E1, E2, mu1, mu2, r1, r2, L, W, k, AGG, d0, F, alp. Fields
// without a line keep the defaults of the unit system.

#include "case/analysis_case.h"
#include "case/fault.h"
#include "case/number_text.h"
#include "engine/analysis_driver.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"
#include "formats/json_text.h"
#include "formats/report.h"
#include "formats/results_json.h"
#include "fuzz_property.h"
#include "pattern_text.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex::fuzz {
namespace {

constexpr std::string_view StarLine = "************************************************";

// What the results hold before a run: zero, as at start, or what an earlier run left.
constexpr float EarlierValue = 12345.5f;

struct FuzzCase {
    AnalysisCase record;
    bool detailed = false;
};

std::size_t optionAt(std::string_view options, std::size_t index, std::size_t choices) {
    return index < options.size() ? static_cast<unsigned char>(options[index]) % choices : 0;
}

FuzzCase caseFromBytes(std::string_view bytes) {
    const std::size_t optionsEnd = bytes.find('\n');
    const std::string_view options = bytes.substr(0, optionsEnd);
    FuzzCase result;
    AnalysisCase& record = result.record;
    record = AnalysisCase::defaults(static_cast<UnitSystem>(optionAt(options, 0, 2)));
    record.location = static_cast<WheelLocation>(optionAt(options, 1, 3));
    record.gear = static_cast<GearConfiguration>(optionAt(options, 2, 6));
    record.layer = static_cast<LayerType>(optionAt(options, 3, 3));
    record.tiedShoulder = optionAt(options, 4, 2) == 1;
    record.widenedLane = optionAt(options, 5, 2) == 1;
    result.detailed = optionAt(options, 6, 2) == 1;

    std::size_t position = optionsEnd == std::string_view::npos ? bytes.size() : optionsEnd + 1;
    for (std::size_t index = 0; index < FieldCount && position < bytes.size(); ++index) {
        const std::size_t end = std::min(bytes.find('\n', position), bytes.size());
        record.text(static_cast<Field>(index)) = bytes.substr(position, end - position);
        position = end + 1;
    }
    return result;
}

AnalysisResults earlierResults() {
    AnalysisResults results;
    for (const ResultField& field : resultFields()) {
        if (field.wide != nullptr) {
            results.*field.wide = EarlierValue;
        } else {
            results.*field.single = EarlierValue;
        }
    }
    return results;
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool writtenBy(const ResultField& field, const AnalysisCase& record) {
    return field.group != ResultGroup::EdgeModel || runsEdgeStressModel(record);
}

// Runs the analysis; returns whether it ended in the fault, which it names in `step`.
bool runFaults(const AnalysisCase& record, AnalysisResults& results, std::string& step) {
    try {
        computeStresses(record, results);
        return false;
    } catch (const FloatingPointFault& fault) {
        step = fault.what();
        return true;
    }
}

void checkReport(const FuzzCase& input, const AnalysisResults& results) {
    const std::vector<std::string> lines = WriteReport(input.record, input.detailed, results);
    // A field text may hold stars too, but never makes a whole line: its caption stands before it.
    const std::string starLine = std::string(9, ' ') + std::string(StarLine);
    int starLines = 0;
    for (const std::string& line : lines) {
        if (line == starLine) {
            ++starLines;
            continue;
        }
        // The first three star lines frame the title and the echo of the inputs.
        const std::size_t equals = line.rfind(" = ");
        if (starLines < 3 || equals == std::string::npos) {
            continue;
        }
        const std::string_view value = std::string_view(line).substr(equals + 3);
        require(isPatternText(value, 1) || isPatternText(value, 2) || isPatternText(value, 3),
                "every result line ends in a number in its pattern");
    }
    require(starLines >= 4, "the report has its sections");
}

// The results JSON of a finished run reads as JSON and holds every result it wrote as a finite number.
void checkJson(const AnalysisCase& record, const AnalysisResults& results) {
    const Json document = Json::parse(resultsJson(record, results));
    const Json& values = document.at("results");
    for (const ResultField& field : resultFields()) {
        if (writtenBy(field, record)) {
            const Json& value = values.at(std::string(field.name));
            require(value.is_number() && std::isfinite(value.get<double>()),
                    "every result in the JSON is finite");
        }
    }
}

void checkAnalysis(const FuzzCase& input) {
    const AnalysisCase& record = input.record;
    AnalysisResults fromStart;
    AnalysisResults fromEarlier = earlierResults();
    std::string firstFault, secondFault;
    const bool faulted = runFaults(record, fromStart, firstFault);
    require(runFaults(record, fromEarlier, secondFault) == faulted && firstFault == secondFault,
            "a run does not depend on what the results held before");

    for (const ResultField& field : resultFields()) {
        const double value = resultValue(fromStart, field);
        const double other = resultValue(fromEarlier, field);
        require(std::isfinite(value) && std::isfinite(other), "every result field is finite");
        const bool untouched = value == 0 && other == EarlierValue;
        require(sameBits(value, other) || untouched, "a field written by a run has the run's value");
        if (!faulted) {
            require(untouched != writtenBy(field, record), "a finished run writes exactly its fields");
        }
    }
    if (faulted) {
        return;
    }
    checkReport(input, fromStart);
    checkJson(record, fromStart);
    for (const ResultField& field : resultFields()) {
        const double value = resultValue(fromStart, field);
        const std::string formatted = formatFixed(value, 3);
        require(isPatternText(formatted, 3), "a result formats in the pattern");
    }
}

} // namespace
} // namespace korvanex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvanex::fuzz;
    checkAnalysis(caseFromBytes(std::string_view(reinterpret_cast<const char*>(data), size)));
    return 0;
}
