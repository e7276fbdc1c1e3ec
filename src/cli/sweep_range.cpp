// SPDX-License-Identifier: Apache-2.0
#include "cli/sweep_range.h"

#include "case/case_words.h"
#include "case/number_text.h"
#include "io/case_columns.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace korvanex::cli {

namespace {

std::string numericColumnNames() {
    std::string names;
    for (const CaseColumn& column : caseColumns()) {
        if (column.kind != CaseColumn::Kind::Number) {
            continue;
        }
        if (!names.empty()) {
            names += ", ";
        }
        names += column.name;
    }
    return names;
}

std::string parseBound(std::string_view label, std::string_view text, double& value) {
    const std::optional<double> number = finiteNumber(text, std::numeric_limits<float>::max());
    if (!number) {
        return std::string(label) + " " + quoted(text) +
               (isWholeNumberText(text) ? " is beyond single precision" : " is not a number");
    }
    value = *number;
    return {};
}

std::string parsePoints(std::string_view text, int& points) {
    const std::string problem =
        "STEPS " + quoted(text) + " is not a whole number from 1 to " + std::to_string(MaxSweepPoints);
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, points);
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end || points < 1 ||
        points > MaxSweepPoints) {
        return problem;
    }
    return {};
}

} // namespace

std::string parseSweepRange(std::string_view text, SweepRange& range) {
    const std::string form = quoted(text) + " is not FIELD=FROM:TO:STEPS";
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return form;
    }
    const std::string_view name = text.substr(0, equals);
    const std::string_view bounds = text.substr(equals + 1);
    const std::size_t firstColon = bounds.find(':');
    const std::size_t secondColon =
        firstColon == std::string_view::npos ? firstColon : bounds.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos ||
        bounds.find(':', secondColon + 1) != std::string_view::npos) {
        return form;
    }

    SweepRange parsed;
    const CaseColumn* column = findCaseColumn(name);
    if (column == nullptr || column->kind != CaseColumn::Kind::Number) {
        return quoted(name) + " is not a numeric field; the fields are " + numericColumnNames();
    }
    parsed.field = column->field;
    if (std::string error = parseBound("FROM", bounds.substr(0, firstColon), parsed.from); !error.empty()) {
        return error;
    }
    const std::string_view to = bounds.substr(firstColon + 1, secondColon - firstColon - 1);
    if (std::string error = parseBound("TO", to, parsed.to); !error.empty()) {
        return error;
    }
    if (std::string error = parsePoints(bounds.substr(secondColon + 1), parsed.points); !error.empty()) {
        return error;
    }
    range = parsed;
    return {};
}

} // namespace korvanex::cli
