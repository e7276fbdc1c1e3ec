// SPDX-License-Identifier: Apache-2.0
#include "formats/verification_table.h"

#include "case/number_text.h"

#include <algorithm>

namespace korvanex {

namespace {

// The tolerance in percent, to the digits it has: "2", "0.05", "0.0000001".
std::string percentText(double fraction) {
    std::string text = formatFixed(fraction * 100, 9);
    while (text.ends_with('0')) {
        text.pop_back();
    }
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text;
}

// The relative difference in percent, to three decimals or one more than the tolerance has (seven at
// most).
std::string relativeText(double relative, const std::string& tolerance) {
    const std::size_t point = tolerance.find('.');
    const int toleranceDecimals =
        point == std::string::npos ? 0 : static_cast<int>(tolerance.size() - point - 1);
    return formatSignedFixed(relative * 100, std::max(3, toleranceDecimals + 1));
}

} // namespace

std::vector<std::string> verificationTable(const std::vector<ExampleCheck>& checks) {
    std::vector<std::string> lines = {
        "| Quantity | Case | Published | Source | KORVANEX | Difference | Tolerance | Result |",
        "|---|---|---:|---|---:|---:|---:|---|",
    };
    std::size_t passing = 0;
    for (const ExampleCheck& check : checks) {
        const int decimals = check.publishedDecimals;
        const std::string tolerance = percentText(check.relativeTolerance);
        lines.push_back("| " + check.quantity + " | " + check.inputs + " | " +
                        formatFixed(check.published, decimals) + " | " + check.source + " | " +
                        formatFixed(check.computed, decimals + 2) + " | " +
                        formatSignedFixed(check.difference, decimals + 2) + " (" +
                        relativeText(check.difference / check.published, tolerance) + " %) | " + tolerance +
                        " % | " + (check.passes ? "pass" : "FAIL") + " |");
        passing += check.passes ? 1 : 0;
    }
    lines.push_back("");
    lines.push_back(std::to_string(passing) + " of " + std::to_string(checks.size()) +
                    " worked examples agree within their tolerance.");
    return lines;
}

} // namespace korvanex
