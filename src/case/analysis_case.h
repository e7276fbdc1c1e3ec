// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvanex {

enum class UnitSystem { English = 0, Metric = 1 };

enum class WheelLocation { Interior, Edge, Corner };

enum class GearConfiguration { SingleSingle, SingleTandem, SingleTridem, DualSingle, DualTandem, DualTridem };

enum class LayerType { OneLayer, TwoLayerBonded, TwoLayerUnbonded };

// The twenty numeric fields, in the order of the record.
enum class Field { P, tp, S, t, d, h1, h2, E1, E2, mu1, mu2, r1, r2, L, W, k, AGG, d0, F, alp };
inline constexpr std::size_t FieldCount = 20;

// The three parts of the record that each input dialog edits and initialises on first use.
enum class RecordPart { Pavement, Axle, Environment };

// One analysis case: every input of a stress analysis, as the user typed it. Numeric fields are
// kept as texts so that they survive unchanged into the case file; the analysis reads their leading
// number. The captions are the names under which the dialogs and the report show each field.
struct AnalysisCase {
    UnitSystem units = UnitSystem::English;

    std::string P, tp, S, t, d;
    std::string h1, h2, E1, E2, mu1, mu2, r1, r2, L, W, k, AGG, d0;
    std::string F, alp;

    WheelLocation location = WheelLocation::Edge;
    GearConfiguration gear = GearConfiguration::DualSingle;
    LayerType layer = LayerType::OneLayer;
    bool tiedShoulder = false;
    bool widenedLane = false;

    std::array<std::string, FieldCount> captions;

    std::string& text(Field field);
    const std::string& text(Field field) const;
    std::string& caption(Field field) { return captions[static_cast<std::size_t>(field)]; }
    const std::string& caption(Field field) const { return captions[static_cast<std::size_t>(field)]; }

    // The built-in default case: every part initialised in the given unit system.
    static AnalysisCase defaults(UnitSystem units);

    // The same inputs, texts and captions.
    bool operator==(const AnalysisCase& other) const = default;
};

// The first initialisation of one dialog's part: its captions and default texts for the unit system
// given; the pavement part also sets the tied shoulder and the widened lane to No. The option
// defaults of location, gear and layer hold from the record's creation and are not touched.
void initializePart(AnalysisCase& record, RecordPart part, UnitSystem units);

// The captions that reading a case file sets on all three parts: those of the dialogs, except that
// the subgrade modulus is named with a capital K.
void setFileCaptions(AnalysisCase& record, UnitSystem units);

// The record name of a field ("P", "mu1", ...) and the field of a record name.
std::string_view fieldName(Field field);
bool fieldFromName(std::string_view name, Field& field);

// The unit in which the captions of the unit system give a field: the parenthesised end of its
// caption ("lbs", "kN", "psi/in"); empty for a ratio such as mu1.
std::string_view fieldUnit(Field field, UnitSystem units);

// The part that owns a field (mu2 and r2 belong to the pavement part).
RecordPart partOf(Field field);

// Whether the gear has dual wheels (two tires side by side at each end of an axle), its number of
// axles (1, 2 or 3), and the number of tires on one side of the axle group.
bool isDual(GearConfiguration gear);
int axleCount(GearConfiguration gear);
int tiresPerSide(GearConfiguration gear);

std::string_view locationName(WheelLocation location);
std::string_view gearName(GearConfiguration gear);
std::string_view layerName(LayerType layer);

} // namespace korvanex
