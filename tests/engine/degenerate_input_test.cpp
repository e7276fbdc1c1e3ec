// SPDX-License-Identifier: Apache-2.0
// Degenerate inputs: every numeric field set in turn to texts that a damaged or hand-edited case can
// hold. The analysis must either end in the typed fault or leave a finite number in every result field
// and give a report that shows numbers; the inputs that it cannot compute with (zero or negative
// thickness, modulus, subgrade, load or tire pressure, a Poisson ratio of 1 or -1, a value beyond the
// single range) must end in the fault.

#include "../case_row.h"
#include "case/analysis_case.h"
#include "case/fault.h"
#include "case/number_text.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"
#include "formats/report.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvanex {
namespace {

const std::string DegenerateTexts[] = {
    "", "0", "-1", "abc", "1e39", "1e-39", std::string(400, '9'), std::string{'1', '\0', '5'}};

// The fields without which there is no loaded radius, no stiffness or no stress.
bool needsPositive(Field field) {
    return field == Field::P || field == Field::tp || field == Field::h1 || field == Field::E1 ||
           field == Field::k;
}

// Whether the text must end in the fault. A metric 1e39 divided by 6.89 (kPa to psi) or 27700 (kg/m^3 to
// pci) falls back into the single range; mu2 and r2 are never read.
bool faultExpected(Field field, const std::string& text, UnitSystem units) {
    if (field == Field::mu2 || field == Field::r2) {
        return false;
    }
    const bool positiveNeeded = needsPositive(field);
    if (text == "1e39") {
        return units == UnitSystem::English ||
               !(field == Field::tp || field == Field::E1 || field == Field::E2 || field == Field::AGG ||
                 field == Field::r1);
    }
    if (text.size() == 400) {
        return true;
    }
    if (text == "-1") {
        return positiveNeeded || field == Field::mu1;
    }
    if (text.size() == 3 && text[1] == '\0') {
        return field == Field::mu1; // reads as 1
    }
    return text != "1e-39" && positiveNeeded;
}

// The cases the sweep starts from, at each location in each unit system: the defaults, and two cases that
// bring the second layer, the shoulder, the widened lane, the other gears and the curling stress into the
// computation.
std::vector<AnalysisCase> baseCases() {
    using enum GearConfiguration;
    using enum LayerType;
    std::vector<AnalysisCase> cases;
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        for (const WheelLocation location :
             {WheelLocation::Interior, WheelLocation::Edge, WheelLocation::Corner}) {
            cases.push_back(caseOf({"plain", units, location, DualSingle, OneLayer, false, false, ""}));
            cases.push_back(
                caseOf({"bonded", units, location, DualTridem, TwoLayerBonded, true, true, "F=10"}));
            cases.push_back(
                caseOf({"unbonded", units, location, SingleTandem, TwoLayerUnbonded, false, false, "F=-10"}));
        }
    }
    return cases;
}

// Every line after the echo of the inputs that gives a value ends in a number written out in full.
bool reportShowsNumbers(const std::vector<std::string>& lines) {
    int starLines = 0;
    for (const std::string& line : lines) {
        if (line == std::string(9, ' ') + std::string(48, '*')) {
            ++starLines;
            continue;
        }
        const std::size_t equals = line.rfind(" = ");
        if (starLines >= 3 && equals != std::string::npos) {
            const std::string value = line.substr(equals + 3);
            if (!isWholeNumberText(value) || value.find_first_of(" eE") != std::string::npos) {
                return false;
            }
        }
    }
    return starLines >= 4;
}

} // namespace

TEST(DegenerateInput, EveryFieldEndsInTheFaultOrInFiniteResults) {
    for (const AnalysisCase& base : baseCases()) {
        for (std::size_t index = 0; index < FieldCount; ++index) {
            const Field field = static_cast<Field>(index);
            for (const std::string& text : DegenerateTexts) {
                AnalysisCase record = base;
                record.text(field) = text;
                SCOPED_TRACE(std::string(fieldName(field)) + " = \"" + text.substr(0, 20) + "\" in " +
                             std::string(locationName(base.location)) + ", " +
                             std::string(layerName(base.layer)) +
                             (base.units == UnitSystem::Metric ? ", metric" : ", English"));
                AnalysisResults results;
                bool faulted = false;
                try {
                    computeStresses(record, results);
                } catch (const FloatingPointFault&) {
                    faulted = true;
                }
                for (const ResultField& result : resultFields()) {
                    EXPECT_TRUE(std::isfinite(resultValue(results, result))) << result.name;
                }
                if (faultExpected(field, text, base.units)) {
                    EXPECT_TRUE(faulted);
                } else if (field == Field::mu2 || field == Field::r2) {
                    EXPECT_FALSE(faulted);
                }
                if (!faulted) {
                    EXPECT_TRUE(reportShowsNumbers(WriteReport(record, true, results)));
                }
            }
        }
    }
}

} // namespace korvanex
