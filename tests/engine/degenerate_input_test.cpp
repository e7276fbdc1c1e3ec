// Degenerate inputs: every numeric field set in turn to texts that a damaged or hand-edited case can
// hold. The analysis must either end in the typed fault or leave a finite number in every result
// field, and a finished run must give a report; the inputs that the analysis cannot compute with
// (zero or negative thickness, modulus, subgrade, load or tire pressure, a Poisson ratio of 1 or -1,
// a value beyond the single range) must end in the fault.

#include "case/analysis_case.h"
#include "case/fault.h"
#include "case/number_text.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"
#include "io/report.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace korvanex {
namespace {

enum class Reading { Zero, MinusOne, Huge, Tiny, BeyondDouble, One };

struct DegenerateText {
    std::string text;
    Reading reading; // what the leading-number rule makes of it
};

const std::array<DegenerateText, 8> DegenerateTexts = {{
    {"", Reading::Zero},
    {"0", Reading::Zero},
    {"-1", Reading::MinusOne},
    {"abc", Reading::Zero},
    {"1e39", Reading::Huge},
    {"1e-39", Reading::Tiny},
    {std::string(400, '9'), Reading::BeyondDouble},
    {std::string{'1', '\0', '5'}, Reading::One},
}};

constexpr std::array<WheelLocation, 3> Locations = {WheelLocation::Interior, WheelLocation::Edge,
                                                    WheelLocation::Corner};
constexpr std::array<UnitSystem, 2> UnitSystems = {UnitSystem::English, UnitSystem::Metric};

Field fieldAt(std::size_t index) {
    return static_cast<Field>(index);
}

// The cases the sweep starts from: the defaults, and two cases that bring the second layer, the
// shoulder, the widened lane, the other gears and the curling stress into the computation.
std::vector<AnalysisCase> baseCases(UnitSystem units, WheelLocation location) {
    AnalysisCase plain = AnalysisCase::defaults(units);
    AnalysisCase bonded = plain;
    bonded.layer = LayerType::TwoLayerBonded;
    bonded.gear = GearConfiguration::DualTridem;
    bonded.tiedShoulder = true;
    bonded.widenedLane = true;
    bonded.F = "10";
    AnalysisCase unbonded = plain;
    unbonded.layer = LayerType::TwoLayerUnbonded;
    unbonded.gear = GearConfiguration::SingleTandem;
    unbonded.F = "-10";
    std::vector<AnalysisCase> cases = {plain, bonded, unbonded};
    for (AnalysisCase& record : cases) {
        record.location = location;
    }
    return cases;
}

bool isRead(Field field) {
    return field != Field::mu2 && field != Field::r2;
}

// A metric value of 1e39 divided by 6.89 (kPa to psi) or 27700 (kg/m^3 to pci) falls back into the
// single range (largest single about 3.4e38); every other field keeps it beyond, at most halved by
// 2.54 or multiplied by 1.8.
bool hugeFitsAfterConversion(Field field, UnitSystem units) {
    if (units == UnitSystem::English) {
        return false;
    }
    return field == Field::tp || field == Field::E1 || field == Field::E2 || field == Field::AGG ||
           field == Field::r1;
}

// The fields without which there is no loaded radius, no stiffness or no stress: a zero gives a
// division by zero or the logarithm of zero, a negative value the root of a negative number.
bool needsPositive(Field field) {
    return field == Field::P || field == Field::tp || field == Field::h1 || field == Field::E1 ||
           field == Field::k;
}

bool faultExpected(Field field, Reading reading, UnitSystem units) {
    if (!isRead(field)) {
        return false;
    }
    switch (reading) {
    case Reading::Zero:
        return needsPositive(field);
    case Reading::MinusOne:
        // mu1 = -1 makes 1 - mu1^2 zero.
        return needsPositive(field) || field == Field::mu1;
    case Reading::One:
        return field == Field::mu1;
    case Reading::Huge:
        return !hugeFitsAfterConversion(field, units);
    case Reading::BeyondDouble:
        return true;
    case Reading::Tiny:
        break;
    }
    return false;
}

std::string printable(const std::string& text) {
    std::string shown;
    for (char c : text) {
        if (c == '\0') {
            shown += "\\0";
        } else {
            shown += c;
        }
    }
    return shown.size() > 20 ? shown.substr(0, 20) + "..." : shown;
}

std::string describe(const AnalysisCase& record, Field field, const std::string& text) {
    return std::string(fieldName(field)) + " = \"" + printable(text) + "\", " +
           (record.units == UnitSystem::Metric ? "metric" : "English") + ", " +
           std::string(locationName(record.location)) + ", " + std::string(layerName(record.layer)) + ", " +
           std::string(gearName(record.gear));
}

struct Outcome {
    bool faulted = false;
    bool otherException = false;
    AnalysisResults results;
};

Outcome run(const AnalysisCase& record) {
    Outcome outcome;
    try {
        computeStresses(record, outcome.results);
    } catch (const FloatingPointFault&) {
        outcome.faulted = true;
    } catch (...) {
        outcome.otherException = true;
    }
    return outcome;
}

bool allFinite(const AnalysisResults& results) {
    for (const ResultField& field : resultFields()) {
        if (!std::isfinite(resultValue(results, field))) {
            return false;
        }
    }
    return true;
}

bool sameResults(const AnalysisResults& a, const AnalysisResults& b) {
    for (const ResultField& field : resultFields()) {
        const double x = resultValue(a, field);
        const double y = resultValue(b, field);
        if (std::memcmp(&x, &y, sizeof x) != 0) {
            return false;
        }
    }
    return true;
}

// Every line after the echo of the inputs that gives a value ends in a number written out in full.
bool reportShowsNumbers(const std::vector<std::string>& lines) {
    const std::string starLine(9, ' ');
    int starLines = 0;
    for (const std::string& line : lines) {
        if (line == starLine + "************************************************") {
            ++starLines;
            continue;
        }
        const std::size_t equals = line.rfind(" = ");
        if (starLines < 3 || equals == std::string::npos) {
            continue;
        }
        const std::string value = line.substr(equals + 3);
        if (!isWholeNumberText(value) || value.find_first_of(" eE") != std::string::npos) {
            return false;
        }
    }
    return starLines >= 4;
}

TEST(DegenerateInput, EveryFieldEndsInTheFaultOrInFiniteResults) {
    for (UnitSystem units : UnitSystems) {
        for (WheelLocation location : Locations) {
            for (const AnalysisCase& base : baseCases(units, location)) {
                const Outcome baseOutcome = run(base);
                ASSERT_FALSE(baseOutcome.faulted || baseOutcome.otherException);
                for (std::size_t index = 0; index < FieldCount; ++index) {
                    const Field field = fieldAt(index);
                    for (const DegenerateText& degenerate : DegenerateTexts) {
                        AnalysisCase record = base;
                        record.text(field) = degenerate.text;
                        const Outcome outcome = run(record);

                        EXPECT_FALSE(outcome.otherException) << describe(record, field, degenerate.text);
                        EXPECT_TRUE(allFinite(outcome.results)) << describe(record, field, degenerate.text);
                        if (faultExpected(field, degenerate.reading, units)) {
                            EXPECT_TRUE(outcome.faulted) << describe(record, field, degenerate.text);
                        }
                        if (!isRead(field)) {
                            EXPECT_FALSE(outcome.faulted) << describe(record, field, degenerate.text);
                            EXPECT_TRUE(sameResults(outcome.results, baseOutcome.results))
                                << describe(record, field, degenerate.text);
                        }
                        if (!outcome.faulted && !outcome.otherException) {
                            EXPECT_TRUE(reportShowsNumbers(WriteReport(record, true, outcome.results)))
                                << describe(record, field, degenerate.text);
                        }
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace korvanex
