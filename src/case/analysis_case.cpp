// SPDX-License-Identifier: Apache-2.0
#include "case/analysis_case.h"

#include "case/case_words.h"

namespace korvanex {

namespace {

struct FieldInfo {
    std::string_view name;
    std::string AnalysisCase::*member;
    RecordPart part;
    std::string_view englishCaption;
    std::string_view metricCaption;
    std::string_view englishDefault;
    std::string_view metricDefault;
};

// The metric defaults are the English ones converted and formatted as the dialogs show them.
// mu1, mu2 and r2 have one text for both systems.
constexpr RecordPart Pave = RecordPart::Pavement;
constexpr RecordPart Axle = RecordPart::Axle;
constexpr RecordPart Envi = RecordPart::Environment;
const FieldInfo fieldTable[FieldCount] = {
    // clang-format off
    {"P",   &AnalysisCase::P,   Axle, "Axle Load, P (lbs)",                         "Axle Load, P (kN)",                           "18000",   "80.1"},
    {"tp",  &AnalysisCase::tp,  Axle, "Tire Pressure, p (psi)",                     "Tire Pressure, p (kPa)",                      "100",     "689"},
    {"S",   &AnalysisCase::S,   Axle, "Spacing in Dual Wheels, s (in)",             "Spacing in Dual Wheels, s (cm)",              "12",      "30.5"},
    {"t",   &AnalysisCase::t,   Axle, "Longitudinal Wheel Spacing, t (in)",         "Longitudinal Wheel Spacing, t (cm)",          "50",      "127.0"},
    {"d",   &AnalysisCase::d,   Axle, "Transverse Wheel Spacing, d (in)",           "Transverse Wheel Spacing, d (cm)",            "88",      "223.5"},
    {"h1",  &AnalysisCase::h1,  Pave, "Slab (1st Layer) Thickness, h1 (in)",        "Slab (1st Layer) Thickness, h1 (cm)",         "9.5",     "24.1"},
    {"h2",  &AnalysisCase::h2,  Pave, "h2 (in)",                                    "h2 (cm)",                                     "6",       "15.2"},
    {"E1",  &AnalysisCase::E1,  Pave, "Slab (1st Layer) Modulus, E1 (psi)",         "Slab (1st Layer) Modulus, E1 (kPa)",          "4000000", "27560000"},
    {"E2",  &AnalysisCase::E2,  Pave, "E2 (psi)",                                   "E2 (kPa)",                                    "2000000", "13780000"},
    {"mu1", &AnalysisCase::mu1, Pave, "Slab (1st Layer) Possion Ratio, μ1",         "Slab (1st Layer) Possion Ratio, μ1",          "0.15",    "0.15"},
    {"mu2", &AnalysisCase::mu2, Pave, "μ2",                                         "μ2",                                          "0.15",    "0.15"},
    {"r1",  &AnalysisCase::r1,  Pave, "Slab (1st Layer) Unit Weight, γ1 (pci)",     "Slab (1st Layer) Unit Weight, γ1 (kg/m^3)",   "0.087",   "2410"},
    {"r2",  &AnalysisCase::r2,  Pave, "γ2 (pci)",                                   "γ2 (pci)",                                    "0.085",   "0.085"},
    {"L",   &AnalysisCase::L,   Pave, "Slab Length, L (ft)",                        "Slab Length, L (m)",                          "15",      "4.57"},
    {"W",   &AnalysisCase::W,   Pave, "Slab Weight, W (ft)",                        "Slab Weight, W (m)",                          "12",      "3.66"},
    {"k",   &AnalysisCase::k,   Pave, "Subgrade Modulus, k (psi/in)",               "Subgrade Modulus, k (kPa/mm)",                "130",     "35.23"},
    {"AGG", &AnalysisCase::AGG, Pave, "Tied Concrete Shoulder, AGG (psi)",          "Tied Concrete Shoulder, AGG (kPa)",           "25000",   "172250"},
    {"d0",  &AnalysisCase::d0,  Pave, "Widende Outer Lane, D0 (in)",                "Widende Outer Lane, D0 (cm)",                 "24",      "61.0"},
    {"F",   &AnalysisCase::F,   Envi, "Critical Temperature Differential, ΔT (oF)", "Critical Temperature Differential, ΔT (oC)",  "0",       "0"},
    {"alp", &AnalysisCase::alp, Envi, "Thermal Coefficient, alpha (/oF)",           "Thermal Coefficient, alpha (/oC)",            "5.5E-06", "9.9E-06"},
    // clang-format on
};

const FieldInfo& info(Field field) {
    return fieldTable[static_cast<std::size_t>(field)];
}

Field fieldAt(std::size_t index) {
    return static_cast<Field>(index);
}

} // namespace

std::string& AnalysisCase::text(Field field) {
    return this->*info(field).member;
}

const std::string& AnalysisCase::text(Field field) const {
    return this->*info(field).member;
}

AnalysisCase AnalysisCase::defaults(UnitSystem units) {
    AnalysisCase record;
    record.units = units;
    initializePart(record, RecordPart::Pavement, units);
    initializePart(record, RecordPart::Axle, units);
    initializePart(record, RecordPart::Environment, units);
    return record;
}

void initializePart(AnalysisCase& record, RecordPart part, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const FieldInfo& field = fieldTable[index];
        if (field.part != part) {
            continue;
        }
        record.captions[index] = metric ? field.metricCaption : field.englishCaption;
        record.text(fieldAt(index)) = metric ? field.metricDefault : field.englishDefault;
    }
    if (part == RecordPart::Pavement) {
        record.tiedShoulder = false;
        record.widenedLane = false;
    }
}

void setFileCaptions(AnalysisCase& record, UnitSystem units) {
    const bool metric = units == UnitSystem::Metric;
    for (std::size_t index = 0; index < FieldCount; ++index) {
        record.captions[index] = metric ? fieldTable[index].metricCaption : fieldTable[index].englishCaption;
    }
    record.caption(Field::k) = metric ? "Subgrade Modulus, K (kPa/mm)" : "Subgrade Modulus, K (psi/in)";
}

std::string_view fieldName(Field field) {
    return info(field).name;
}

bool fieldFromName(std::string_view name, Field& field) {
    for (std::size_t index = 0; index < FieldCount; ++index) {
        if (fieldTable[index].name == name) {
            field = fieldAt(index);
            return true;
        }
    }
    return false;
}

std::string_view fieldUnit(Field field, UnitSystem units) {
    const std::string_view caption =
        units == UnitSystem::Metric ? info(field).metricCaption : info(field).englishCaption;
    if (!caption.ends_with(')')) {
        return {};
    }
    const std::size_t open = caption.rfind('(');
    return caption.substr(open + 1, caption.size() - open - 2);
}

RecordPart partOf(Field field) {
    return info(field).part;
}

bool isDual(GearConfiguration gear) {
    return gear == GearConfiguration::DualSingle || gear == GearConfiguration::DualTandem ||
           gear == GearConfiguration::DualTridem;
}

int axleCount(GearConfiguration gear) {
    switch (gear) {
    case GearConfiguration::SingleTandem:
    case GearConfiguration::DualTandem:
        return 2;
    case GearConfiguration::SingleTridem:
    case GearConfiguration::DualTridem:
        return 3;
    case GearConfiguration::SingleSingle:
    case GearConfiguration::DualSingle:
        break;
    }
    return 1;
}

int tiresPerSide(GearConfiguration gear) {
    return (isDual(gear) ? 2 : 1) * axleCount(gear);
}

std::string_view locationName(WheelLocation location) {
    return wordOf(LocationWords, location);
}

std::string_view gearName(GearConfiguration gear) {
    return wordOf(GearWords, gear);
}

std::string_view layerName(LayerType layer) {
    return wordOf(LayerWords, layer);
}

} // namespace korvanex
