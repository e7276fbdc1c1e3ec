// SPDX-License-Identifier: Apache-2.0
#include "formats/design_chart_text.h"

#include "case/case_words.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/typical_ranges.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace korvanex {

namespace {

// The decimals of a crossing label are capped so that a tiny span cannot ask for more digits than a
// double holds.
constexpr int MaxCrossingDecimals = 17;

} // namespace

std::string crossingLabel(Field field, std::span<const double> values, double span) {
    int decimals = 2;
    if (span > 0 && std::isfinite(span)) {
        decimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(span))), 0, MaxCrossingDecimals);
    }
    const std::optional<TypicalRange> range = typicalRange(field, UnitSystem::English);
    std::string label(range ? range->label : fieldName(field));
    label += " =";
    std::string previous;
    for (double value : values) {
        char buffer[512];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
        std::string text(buffer, result.ptr);
        if (text == previous) {
            continue;
        }
        label += previous.empty() ? " " : ", ";
        label += text;
        previous = std::move(text);
    }
    return label;
}

std::string designChartCsv(const DesignChartData& data) {
    std::string text = "units,";
    text += fieldName(data.field);
    text += ",status";
    for (ChartCurve curve : data.curves) {
        text += ',';
        text += curveColumnName(curve);
    }
    text += '\n';

    const std::string_view unitsWord = wordOf(UnitCellWords, data.units);
    for (const DesignChartPoint& point : data.points) {
        text += unitsWord;
        text += ',';
        // Point texts are plain numbers and routine names plain identifiers: no cell needs quotes.
        text += point.text;
        text += ',';
        text += point.faulted ? "fault: " + point.faultRoutine : std::string("ok");
        for (ChartCurve curve : data.curves) {
            text += ',';
            if (!point.faulted) {
                // A stress result, rounded to single precision as stored.
                appendFloatText(text, static_cast<float>(point.stress(curve)));
            }
        }
        text += '\n';
    }
    return text;
}

} // namespace korvanex
