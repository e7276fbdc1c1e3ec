// SPDX-License-Identifier: Apache-2.0
#include "formats/verification_table.h"

#include "case/number_text.h"

namespace korvanex {

namespace {

std::string signedFixed(double value, int decimals) {
    const std::string text = formatFixed(value, decimals);
    return text.starts_with('-') || text.find_first_not_of("0.") == std::string::npos ? text : "+" + text;
}

std::string percentText(double fraction) {
    std::string text = formatFixed(fraction * 100, 3);
    while (text.ends_with('0')) {
        text.pop_back();
    }
    if (text.ends_with('.')) {
        text.pop_back();
    }
    return text + " %";
}

} // namespace

std::vector<std::string> verificationTable(const std::vector<ExampleCheck>& checks) {
    std::vector<std::string> lines = {
        "| Quantity | Case | Published | Source | KORVANEX | Difference | Tolerance | Result |",
        "|---|---|---:|---|---:|---:|---:|---|",
    };
    std::size_t passing = 0;
    for (const ExampleCheck& check : checks) {
        const WorkedExample& example = *check.example;
        const int decimals = example.publishedDecimals;
        const double relative = check.difference / example.published;
        lines.push_back("| " + std::string(example.quantity) + " | " + example.inputs + " | " +
                        formatFixed(example.published, decimals) + " | " + example.source + " | " +
                        formatFixed(check.computed, decimals + 2) + " | " +
                        signedFixed(check.difference, decimals + 2) + " (" + signedFixed(relative * 100, 3) +
                        " %) | " + percentText(example.relativeTolerance) + " | " +
                        (check.passes ? "pass" : "FAIL") + " |");
        passing += check.passes ? 1 : 0;
    }
    lines.push_back("");
    lines.push_back(std::to_string(passing) + " of " + std::to_string(checks.size()) +
                    " worked examples agree within their tolerance.");
    return lines;
}

} // namespace korvanex
