#include "case/unit_conversion.h"

#include "case/analysis_case.h"
#include "case/fault.h"

#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <string>
#include <string_view>

using namespace korvanex;

namespace {

// A metric value in computation units: the value divided by the system's factor, rounded to single.
float metric(double value, double factor) {
    return static_cast<float>(value / factor);
}

// The fault raised while reading one field, or none.
struct ReadingFault {
    bool raised = false;
    std::string routine;
    std::string step;
};

ReadingFault readingFault(const AnalysisCase& record) {
    ReadingFault fault;
    try {
        toComputationUnits(record);
    } catch (const FloatingPointFault& error) {
        fault.raised = true;
        fault.routine = error.routine();
        fault.step = error.step();
    }
    return fault;
}

// Whether a text names a field as a word of its own ("t" in "reading t", not in "step").
bool namesField(const std::string& text, std::string_view name) {
    auto isNamePart = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; };
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const bool startsWord = at == 0 || !isNamePart(text[at - 1]);
        const std::size_t end = at + name.size();
        const bool endsWord = end == text.size() || !isNamePart(text[end]);
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(UnitConversion, EnglishValuesAsTheyAreExceptFeet) {
    const ComputationInputs in = toComputationUnits(AnalysisCase::defaults(UnitSystem::English));
    EXPECT_EQ(in.P, 18000.0f);
    EXPECT_EQ(in.tp, 100.0f);
    EXPECT_EQ(in.S, 12.0f);
    EXPECT_EQ(in.t, 50.0f);
    EXPECT_EQ(in.d, 88.0f);
    EXPECT_EQ(in.h1, 9.5f);
    EXPECT_EQ(in.h2, 6.0f);
    EXPECT_EQ(in.E1, 4000000.0f);
    EXPECT_EQ(in.E2, 2000000.0f);
    EXPECT_EQ(in.mu1, static_cast<float>(0.15));
    EXPECT_EQ(in.r1, static_cast<float>(0.087));
    EXPECT_EQ(in.L, 180.0f);
    EXPECT_EQ(in.W, 144.0f);
    EXPECT_EQ(in.k, 130.0f);
    EXPECT_EQ(in.AGG, 25000.0f);
    EXPECT_EQ(in.d0, 24.0f);
    EXPECT_EQ(in.F, 0.0f);
    EXPECT_EQ(in.alp, static_cast<float>(5.5e-06));

    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.L = "15.5";
    record.W = "0.1";
    record.F = "-20";
    record.h1 = "12abc";
    record.k = "abc";
    record.P = "inf";
    const ComputationInputs edited = toComputationUnits(record);
    EXPECT_EQ(edited.L, static_cast<float>(15.5 * 12));
    EXPECT_EQ(edited.W, static_cast<float>(0.1 * 12));
    EXPECT_EQ(edited.F, 20.0f);
    EXPECT_EQ(edited.h1, 12.0f);
    EXPECT_EQ(edited.k, 0.0f);
    EXPECT_EQ(edited.P, 0.0f);
}

TEST(UnitConversion, MetricValuesDividedByTheRoundedFactors) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.P = "80";
    record.F = "-10";
    const ComputationInputs in = toComputationUnits(record);

    EXPECT_EQ(in.P, metric(80, 0.00445));
    EXPECT_EQ(in.tp, metric(689, 6.89));
    EXPECT_EQ(in.S, metric(30.5, 2.54));
    EXPECT_EQ(in.t, metric(127.0, 2.54));
    EXPECT_EQ(in.d, metric(223.5, 2.54));
    EXPECT_EQ(in.h1, metric(24.1, 2.54));
    EXPECT_EQ(in.h2, metric(15.2, 2.54));
    EXPECT_EQ(in.E1, metric(27560000, 6.89));
    EXPECT_EQ(in.E2, metric(13780000, 6.89));
    EXPECT_EQ(in.mu1, static_cast<float>(0.15));
    EXPECT_EQ(in.r1, metric(2410, 27700.0));
    EXPECT_EQ(in.L, metric(4.57, 0.0254));
    EXPECT_EQ(in.W, metric(3.66, 0.0254));
    EXPECT_EQ(in.k, metric(35.23, 0.271));
    EXPECT_EQ(in.AGG, metric(172250, 6.89));
    EXPECT_EQ(in.d0, metric(61.0, 2.54));
    EXPECT_EQ(in.alp, metric(9.9e-06, 1.8));
    // A temperature difference: its size only, 1.8 degF to the degC.
    EXPECT_EQ(in.F, 18.0f);

    // The same values checked by hand: half of 80 kN is 40 / 0.00445 = 8988.76 lb.
    EXPECT_NEAR(in.P / 2, 8988.76, 0.005);
    EXPECT_NEAR(in.tp, 100.0, 1e-4);
    EXPECT_NEAR(in.h1, 9.488, 0.0005);
    EXPECT_NEAR(in.L, 179.92, 0.005);
    EXPECT_NEAR(in.r1, 0.0870, 0.00005);
    EXPECT_NEAR(in.k, 130.0, 1e-4);
    EXPECT_NEAR(in.alp, 5.5e-06, 1e-12);
    EXPECT_NEAR(in.E1, 4000000.0, 0.5);

    record.F = "2.5";
    EXPECT_EQ(toComputationUnits(record).F, static_cast<float>(2.5 * 1.8));
}

TEST(UnitConversion, SecondLayerPoissonRatioAndUnitWeightAreNotRead) {
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        AnalysisCase record = AnalysisCase::defaults(units);
        record.mu2 = "1e39";
        record.r2 = "1e39";
        EXPECT_FALSE(readingFault(record).raised);
    }
}

TEST(UnitConversion, ValueBeyondSingleRangeFaultsNamingTheField) {
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = static_cast<Field>(index);
        if (field == Field::mu2 || field == Field::r2) {
            continue;
        }
        const std::string name(fieldName(field));
        SCOPED_TRACE(name);
        AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
        record.text(field) = "1e39";
        const ReadingFault fault = readingFault(record);
        ASSERT_TRUE(fault.raised);
        EXPECT_EQ(fault.routine, "AnalysisDriver");
        EXPECT_TRUE(namesField(fault.step, name)) << fault.step;
    }

    // The largest single value and anything that rounds to it are readable; halfway to 2^128 is not.
    const float largest = std::numeric_limits<float>::max();
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.E1 = "3.4028235e38";
    EXPECT_EQ(toComputationUnits(record).E1, largest);
    record.E1 = "3.4028236e38";
    EXPECT_TRUE(readingFault(record).raised);

    // A metric value is divided before it is stored: 1e39 kg/m^3 is about 3.6e34 pci.
    AnalysisCase metricRecord = AnalysisCase::defaults(UnitSystem::Metric);
    metricRecord.r1 = "1e39";
    EXPECT_EQ(toComputationUnits(metricRecord).r1, metric(1e39, 27700.0));
    // And a value that fits in single precision may not after the division: 1.6e36 kN is 3.6e38 lb.
    metricRecord.P = "1.6e36";
    EXPECT_TRUE(readingFault(metricRecord).raised);
}

TEST(UnitConversion, UnderflowIsNotAFault) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    record.P = "1e-39";
    record.alp = "1e-50";
    const ComputationInputs in = toComputationUnits(record);
    EXPECT_EQ(in.P, static_cast<float>(1e-39));
    EXPECT_GT(in.P, 0.0f);
    EXPECT_EQ(in.alp, 0.0f);
}
