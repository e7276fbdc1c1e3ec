#include "case/analysis_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace korvanex;

namespace {

struct FieldRow {
    Field field;
    std::string AnalysisCase::*member;
    const char* name;
    RecordPart part;
    const char* englishDefault;
    const char* metricDefault;
    const char* englishCaption;
    const char* metricCaption;
};

// The record's fields as tabled, in the record's order. mu2 and r2 have no shown label: their hidden
// labels keep one text in both systems.
const std::vector<FieldRow>& tabledFields() {
    static const std::vector<FieldRow> rows = {
        {Field::P, &AnalysisCase::P, "P", RecordPart::Axle, "18000", "80.1", "Axle Load, P (lbs)",
         "Axle Load, P (kN)"},
        {Field::tp, &AnalysisCase::tp, "tp", RecordPart::Axle, "100", "689", "Tire Pressure, p (psi)",
         "Tire Pressure, p (kPa)"},
        {Field::S, &AnalysisCase::S, "S", RecordPart::Axle, "12", "30.5", "Spacing in Dual Wheels, s (in)",
         "Spacing in Dual Wheels, s (cm)"},
        {Field::t, &AnalysisCase::t, "t", RecordPart::Axle, "50", "127.0",
         "Longitudinal Wheel Spacing, t (in)", "Longitudinal Wheel Spacing, t (cm)"},
        {Field::d, &AnalysisCase::d, "d", RecordPart::Axle, "88", "223.5", "Transverse Wheel Spacing, d (in)",
         "Transverse Wheel Spacing, d (cm)"},
        {Field::h1, &AnalysisCase::h1, "h1", RecordPart::Pavement, "9.5", "24.1",
         "Slab (1st Layer) Thickness, h1 (in)", "Slab (1st Layer) Thickness, h1 (cm)"},
        {Field::h2, &AnalysisCase::h2, "h2", RecordPart::Pavement, "6", "15.2", "h2 (in)", "h2 (cm)"},
        {Field::E1, &AnalysisCase::E1, "E1", RecordPart::Pavement, "4000000", "27560000",
         "Slab (1st Layer) Modulus, E1 (psi)", "Slab (1st Layer) Modulus, E1 (kPa)"},
        {Field::E2, &AnalysisCase::E2, "E2", RecordPart::Pavement, "2000000", "13780000", "E2 (psi)",
         "E2 (kPa)"},
        {Field::mu1, &AnalysisCase::mu1, "mu1", RecordPart::Pavement, "0.15", "0.15",
         "Slab (1st Layer) Possion Ratio, μ1", "Slab (1st Layer) Possion Ratio, μ1"},
        {Field::mu2, &AnalysisCase::mu2, "mu2", RecordPart::Pavement, "0.15", "0.15", "μ2", "μ2"},
        {Field::r1, &AnalysisCase::r1, "r1", RecordPart::Pavement, "0.087", "2410",
         "Slab (1st Layer) Unit Weight, γ1 (pci)", "Slab (1st Layer) Unit Weight, γ1 (kg/m^3)"},
        {Field::r2, &AnalysisCase::r2, "r2", RecordPart::Pavement, "0.085", "0.085", "γ2 (pci)", "γ2 (pci)"},
        {Field::L, &AnalysisCase::L, "L", RecordPart::Pavement, "15", "4.57", "Slab Length, L (ft)",
         "Slab Length, L (m)"},
        {Field::W, &AnalysisCase::W, "W", RecordPart::Pavement, "12", "3.66", "Slab Weight, W (ft)",
         "Slab Weight, W (m)"},
        {Field::k, &AnalysisCase::k, "k", RecordPart::Pavement, "130", "35.23",
         "Subgrade Modulus, k (psi/in)", "Subgrade Modulus, k (kPa/mm)"},
        {Field::AGG, &AnalysisCase::AGG, "AGG", RecordPart::Pavement, "25000", "172250",
         "Tied Concrete Shoulder, AGG (psi)", "Tied Concrete Shoulder, AGG (kPa)"},
        {Field::d0, &AnalysisCase::d0, "d0", RecordPart::Pavement, "24", "61.0",
         "Widende Outer Lane, D0 (in)", "Widende Outer Lane, D0 (cm)"},
        {Field::F, &AnalysisCase::F, "F", RecordPart::Environment, "0", "0",
         "Critical Temperature Differential, ΔT (oF)", "Critical Temperature Differential, ΔT (oC)"},
        {Field::alp, &AnalysisCase::alp, "alp", RecordPart::Environment, "5.5E-06", "9.9E-06",
         "Thermal Coefficient, alpha (/oF)", "Thermal Coefficient, alpha (/oC)"},
    };
    return rows;
}

// A record in which every text, caption and option differs from what any initialisation sets.
AnalysisCase markedRecord() {
    AnalysisCase record;
    for (const FieldRow& row : tabledFields()) {
        record.*row.member = std::string("text of ") + row.name;
        record.caption(row.field) = std::string("caption of ") + row.name;
    }
    record.location = WheelLocation::Corner;
    record.gear = GearConfiguration::SingleTridem;
    record.layer = LayerType::TwoLayerBonded;
    record.tiedShoulder = true;
    record.widenedLane = true;
    return record;
}

} // namespace

TEST(AnalysisCase, EnglishDefaultsAndCaptions) {
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    EXPECT_EQ(record.units, UnitSystem::English);
    EXPECT_EQ(record.P, "18000");
    EXPECT_EQ(record.tp, "100");
    EXPECT_EQ(record.S, "12");
    EXPECT_EQ(record.t, "50");
    EXPECT_EQ(record.d, "88");
    EXPECT_EQ(record.h1, "9.5");
    EXPECT_EQ(record.h2, "6");
    EXPECT_EQ(record.E1, "4000000");
    EXPECT_EQ(record.E2, "2000000");
    EXPECT_EQ(record.mu1, "0.15");
    EXPECT_EQ(record.mu2, "0.15");
    EXPECT_EQ(record.r1, "0.087");
    EXPECT_EQ(record.r2, "0.085");
    EXPECT_EQ(record.L, "15");
    EXPECT_EQ(record.W, "12");
    EXPECT_EQ(record.k, "130");
    EXPECT_EQ(record.AGG, "25000");
    EXPECT_EQ(record.d0, "24");
    EXPECT_EQ(record.F, "0");
    EXPECT_EQ(record.alp, "5.5E-06");

    for (const FieldRow& row : tabledFields()) {
        EXPECT_EQ(record.caption(row.field), row.englishCaption) << row.name;
    }

    EXPECT_EQ(record.location, WheelLocation::Edge);
    EXPECT_EQ(record.gear, GearConfiguration::DualSingle);
    EXPECT_EQ(record.layer, LayerType::OneLayer);
    EXPECT_FALSE(record.tiedShoulder);
    EXPECT_FALSE(record.widenedLane);
}

TEST(AnalysisCase, MetricDefaultsAndCaptions) {
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    EXPECT_EQ(record.units, UnitSystem::Metric);
    EXPECT_EQ(record.P, "80.1");
    EXPECT_EQ(record.tp, "689");
    EXPECT_EQ(record.S, "30.5");
    EXPECT_EQ(record.t, "127.0");
    EXPECT_EQ(record.d, "223.5");
    EXPECT_EQ(record.h1, "24.1");
    EXPECT_EQ(record.h2, "15.2");
    EXPECT_EQ(record.E1, "27560000");
    EXPECT_EQ(record.E2, "13780000");
    EXPECT_EQ(record.mu1, "0.15");
    EXPECT_EQ(record.mu2, "0.15");
    EXPECT_EQ(record.r1, "2410");
    // The second layer's unit weight keeps its one default, a pci value, in the metric system too.
    EXPECT_EQ(record.r2, "0.085");
    EXPECT_EQ(record.L, "4.57");
    EXPECT_EQ(record.W, "3.66");
    EXPECT_EQ(record.k, "35.23");
    EXPECT_EQ(record.AGG, "172250");
    EXPECT_EQ(record.d0, "61.0");
    EXPECT_EQ(record.F, "0");
    EXPECT_EQ(record.alp, "9.9E-06");

    for (const FieldRow& row : tabledFields()) {
        EXPECT_EQ(record.caption(row.field), row.metricCaption) << row.name;
    }

    EXPECT_EQ(record.location, WheelLocation::Edge);
    EXPECT_EQ(record.gear, GearConfiguration::DualSingle);
    EXPECT_EQ(record.layer, LayerType::OneLayer);
    EXPECT_FALSE(record.tiedShoulder);
    EXPECT_FALSE(record.widenedLane);
}

TEST(AnalysisCase, FreshRecordHoldsTheOptionDefaults) {
    const AnalysisCase record;
    EXPECT_EQ(record.units, UnitSystem::English);
    EXPECT_EQ(record.location, WheelLocation::Edge);
    EXPECT_EQ(record.gear, GearConfiguration::DualSingle);
    EXPECT_EQ(record.layer, LayerType::OneLayer);
    EXPECT_FALSE(record.tiedShoulder);
    EXPECT_FALSE(record.widenedLane);
    EXPECT_EQ(static_cast<int>(UnitSystem::English), 0);
    EXPECT_EQ(static_cast<int>(UnitSystem::Metric), 1);
}

TEST(AnalysisCase, InitialisingOnePartTouchesOnlyThatPart) {
    for (const RecordPart part : {RecordPart::Axle, RecordPart::Pavement, RecordPart::Environment}) {
        for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
            AnalysisCase record = markedRecord();
            record.units = units == UnitSystem::English ? UnitSystem::Metric : UnitSystem::English;
            const UnitSystem menuUnits = record.units;
            initializePart(record, part, units);

            const bool metric = units == UnitSystem::Metric;
            for (const FieldRow& row : tabledFields()) {
                SCOPED_TRACE(std::string(row.name) + (metric ? " metric" : " english"));
                if (row.part == part) {
                    EXPECT_EQ(record.*row.member, metric ? row.metricDefault : row.englishDefault);
                    EXPECT_EQ(record.caption(row.field), metric ? row.metricCaption : row.englishCaption);
                } else {
                    EXPECT_EQ(record.*row.member, std::string("text of ") + row.name);
                    EXPECT_EQ(record.caption(row.field), std::string("caption of ") + row.name);
                }
            }
            // Only the pavement part owns the shoulder and lane options; no part owns the others.
            EXPECT_EQ(record.tiedShoulder, part != RecordPart::Pavement);
            EXPECT_EQ(record.widenedLane, part != RecordPart::Pavement);
            EXPECT_EQ(record.location, WheelLocation::Corner);
            EXPECT_EQ(record.gear, GearConfiguration::SingleTridem);
            EXPECT_EQ(record.layer, LayerType::TwoLayerBonded);
            // The system used is the one passed in; the record's own flag belongs to the menu.
            EXPECT_EQ(record.units, menuUnits);
        }
    }
}

TEST(AnalysisCase, EachFieldBelongsToTheDialogThatEditsIt) {
    for (const FieldRow& row : tabledFields()) {
        EXPECT_EQ(partOf(row.field), row.part) << row.name;
    }
}

TEST(AnalysisCase, FileCaptionsNameTheSubgradeModulusWithCapitalK) {
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        const bool metric = units == UnitSystem::Metric;
        AnalysisCase record = markedRecord();
        setFileCaptions(record, units);
        for (const FieldRow& row : tabledFields()) {
            SCOPED_TRACE(row.name);
            if (row.field == Field::k) {
                EXPECT_EQ(record.caption(row.field),
                          metric ? "Subgrade Modulus, K (kPa/mm)" : "Subgrade Modulus, K (psi/in)");
            } else {
                EXPECT_EQ(record.caption(row.field), metric ? row.metricCaption : row.englishCaption);
            }
            // Captions only: the file's own values replace the texts afterwards.
            EXPECT_EQ(record.*row.member, std::string("text of ") + row.name);
        }
        EXPECT_TRUE(record.tiedShoulder);
        EXPECT_TRUE(record.widenedLane);
    }
}

TEST(AnalysisCase, FieldNamesRoundTripAndReachTheirTexts) {
    ASSERT_EQ(tabledFields().size(), FieldCount);
    AnalysisCase record;
    for (const FieldRow& row : tabledFields()) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fieldName(row.field), row.name);
        Field found = Field::alp;
        ASSERT_TRUE(fieldFromName(row.name, found));
        EXPECT_EQ(found, row.field);

        record.text(row.field) = std::string("value of ") + row.name;
        EXPECT_EQ(record.*row.member, std::string("value of ") + row.name);
        const AnalysisCase& readOnly = record;
        EXPECT_EQ(&readOnly.text(row.field), &(record.*row.member));
    }

    for (const char* unknown : {"", "Q", "P_V", "alpha", "mu", "mu3", "E3", "h", "tpp", "d0 ", " k"}) {
        Field found = Field::mu2;
        EXPECT_FALSE(fieldFromName(unknown, found)) << '"' << unknown << '"';
        EXPECT_EQ(found, Field::mu2) << '"' << unknown << '"';
    }
}

TEST(AnalysisCase, OptionNames) {
    EXPECT_EQ(locationName(WheelLocation::Interior), "Interior");
    EXPECT_EQ(locationName(WheelLocation::Edge), "Edge");
    EXPECT_EQ(locationName(WheelLocation::Corner), "Corner");

    EXPECT_EQ(gearName(GearConfiguration::SingleSingle), "Single-Single");
    EXPECT_EQ(gearName(GearConfiguration::SingleTandem), "Single-Tandem");
    EXPECT_EQ(gearName(GearConfiguration::SingleTridem), "Single-Tridem");
    EXPECT_EQ(gearName(GearConfiguration::DualSingle), "Dual-Single");
    EXPECT_EQ(gearName(GearConfiguration::DualTandem), "Dual-Tandem");
    EXPECT_EQ(gearName(GearConfiguration::DualTridem), "Dual-Tridem");

    EXPECT_EQ(layerName(LayerType::OneLayer), "One Layer");
    EXPECT_EQ(layerName(LayerType::TwoLayerBonded), "Two Layer Bonded");
    EXPECT_EQ(layerName(LayerType::TwoLayerUnbonded), "Two Layer Unbonded");
}
