#include "case/typical_ranges.h"

#include "case/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace korvanex;

namespace {

struct Tabled {
    Field field;
    const char* label;
    float englishMinimum;
    float englishMaximum;
    float metricMinimum;
    float metricMaximum;
    double factor; // metric unit per English unit
};

// The ranges as the three dialogs table them, with the factor of the record's unit conversion that
// turns each English bound into the metric one (kN per lb, kPa per psi, cm per in, m per ft...).
const Tabled tabled[] = {
    {Field::h1, "h1", 4, 20, 10.16f, 50.8f, 2.54},
    {Field::E1, "E1", 500000, 8000000, 3445000, 55120000, 6.89},
    {Field::r1, "γ1", 0.08f, 0.09f, 2216, 2493, 27700},
    {Field::mu1, "μ1", 0.1f, 0.5f, 0.1f, 0.5f, 1},
    {Field::L, "L", 8, 100, 2.4384f, 30.48f, 0.3048},
    {Field::W, "W", 8, 14, 2.4384f, 4.2672f, 0.3048},
    {Field::k, "k", 50, 700, 13.55f, 189.7f, 0.271},
    {Field::h2, "h2", 0, 36, 0, 91.44f, 2.54},
    {Field::E2, "E2", 10000, 3000000, 68900, 20670000, 6.89},
    {Field::d0, "d0", 0, 48, 0, 121.92f, 2.54},
    {Field::AGG, "AGG", 0, 5000000, 0, 34450000, 6.89},
    {Field::P, "P", 0, 100000, 0, 445, 0.00445},
    {Field::tp, "p", 60, 200, 413.4f, 1378, 6.89},
    {Field::S, "s", 4, 36, 10.16f, 91.44f, 2.54},
    {Field::t, "t", 24, 100, 60.96f, 254, 2.54},
    {Field::d, "d", 30, 200, 76.2f, 508, 2.54},
    // ΔT's metric maximum is 40 / 1.8 rounded to single precision, shown as 22.22222.
    {Field::F, "ΔT", 0, 40, 0, static_cast<float>(40 / 1.8), 1 / 1.8},
    {Field::alp, "alpha", 0, 0.00001f, 0, 0.000018f, 1.8},
};

} // namespace

TEST(TypicalRangesTest, EveryCheckedFieldHasItsLabelAndBounds) {
    for (const Tabled& row : tabled) {
        const auto english = typicalRange(row.field, UnitSystem::English);
        const auto metric = typicalRange(row.field, UnitSystem::Metric);
        ASSERT_TRUE(english && metric) << row.label;
        EXPECT_EQ(english->label, row.label);
        EXPECT_EQ(metric->label, row.label);
        EXPECT_EQ(english->minimum, row.englishMinimum) << row.label;
        EXPECT_EQ(english->maximum, row.englishMaximum) << row.label;
        EXPECT_EQ(metric->minimum, row.metricMinimum) << row.label;
        EXPECT_EQ(metric->maximum, row.metricMaximum) << row.label;

        // The metric bounds are the English ones converted (to the digits the constants keep).
        EXPECT_NEAR(metric->minimum, english->minimum * row.factor, 1e-3 * metric->minimum) << row.label;
        EXPECT_NEAR(metric->maximum, english->maximum * row.factor, 1e-3 * metric->maximum) << row.label;
    }
    EXPECT_FALSE(typicalRange(Field::mu2, UnitSystem::English));
    EXPECT_FALSE(typicalRange(Field::r2, UnitSystem::Metric));
}

TEST(TypicalRangesTest, BoundTextsOfTheMessages) {
    const auto bounds = [](Field field, UnitSystem units) {
        const TypicalRange range = typicalRange(field, units).value();
        return boundText(range.minimum) + "," + boundText(range.maximum);
    };
    EXPECT_EQ(bounds(Field::E1, UnitSystem::Metric), " 3445000, 5.512E+07");
    EXPECT_EQ(bounds(Field::E2, UnitSystem::Metric), " 68900, 2.067E+07");
    EXPECT_EQ(bounds(Field::AGG, UnitSystem::Metric), " 0, 3.445E+07");
    EXPECT_EQ(bounds(Field::r1, UnitSystem::English), " .08, .09");
    EXPECT_EQ(bounds(Field::mu1, UnitSystem::Metric), " .1, .5");
    EXPECT_EQ(bounds(Field::F, UnitSystem::Metric), " 0, 22.22222");
    EXPECT_EQ(bounds(Field::alp, UnitSystem::English), " 0, 1E-05");
    EXPECT_EQ(bounds(Field::alp, UnitSystem::Metric), " 0, 1.8E-05");
    EXPECT_EQ(bounds(Field::tp, UnitSystem::Metric), " 413.4, 1378");
}
