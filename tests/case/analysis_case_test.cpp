// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"

#include <gtest/gtest.h>

using namespace korvanex;

// The fields of each dialog, by hand: the axle load dialog P, tp, S, t, d; the environmental dialog F
// and alp; the pavement dialog the rest, with the shoulder and lane options.
TEST(AnalysisCase, InitialisingOnePartTouchesOnlyThatPart) {
    const std::pair<RecordPart, std::string> parts[] = {
        {RecordPart::Axle, "P tp S t d "},
        {RecordPart::Pavement, "h1 h2 E1 E2 mu1 mu2 r1 r2 L W k AGG d0 "},
        {RecordPart::Environment, "F alp "},
    };
    for (const auto& [part, names] : parts) {
        for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
            AnalysisCase record;
            for (std::size_t index = 0; index < FieldCount; ++index) {
                record.text(static_cast<Field>(index)) = "mark";
                record.caption(static_cast<Field>(index)) = "mark";
            }
            record.tiedShoulder = record.widenedLane = true;
            initializePart(record, part, units);
            const AnalysisCase defaults = AnalysisCase::defaults(units);
            std::string touched;
            for (std::size_t index = 0; index < FieldCount; ++index) {
                const Field field = static_cast<Field>(index);
                if (record.text(field) != "mark") {
                    touched += std::string(fieldName(field)) + ' ';
                    EXPECT_EQ(record.text(field), defaults.text(field));
                    EXPECT_EQ(record.caption(field), defaults.caption(field));
                }
            }
            EXPECT_EQ(touched, names);
            EXPECT_EQ(record.tiedShoulder, part != RecordPart::Pavement);
            EXPECT_EQ(record.widenedLane, part != RecordPart::Pavement);
        }
    }
}

TEST(AnalysisCase, FieldUnitsAreThoseOfTheCaptions) {
    const std::tuple<Field, UnitSystem, std::string_view> units[] = {
        {Field::P, UnitSystem::English, "lbs"},   {Field::P, UnitSystem::Metric, "kN"},
        {Field::k, UnitSystem::Metric, "kPa/mm"}, {Field::F, UnitSystem::Metric, "oC"},
        {Field::h1, UnitSystem::English, "in"},   {Field::mu1, UnitSystem::Metric, ""},
    };
    for (const auto& [field, system, unit] : units) {
        EXPECT_EQ(fieldUnit(field, system), unit) << fieldName(field);
    }
}
