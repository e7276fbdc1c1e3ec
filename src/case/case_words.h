// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvanex {

// One word of a vocabulary and the value it stands for. Each vocabulary is one table, read by every
// reader and writer of its words.
template <typename T> struct Word {
    std::string_view text;
    T value;
};

// The words under which the report, the results file and the slab plan show the options.
inline constexpr Word<WheelLocation> LocationWords[] = {
    {"Interior", WheelLocation::Interior}, {"Edge", WheelLocation::Edge}, {"Corner", WheelLocation::Corner}};
inline constexpr Word<GearConfiguration> GearWords[] = {
    {"Single-Single", GearConfiguration::SingleSingle}, {"Single-Tandem", GearConfiguration::SingleTandem},
    {"Single-Tridem", GearConfiguration::SingleTridem}, {"Dual-Single", GearConfiguration::DualSingle},
    {"Dual-Tandem", GearConfiguration::DualTandem},     {"Dual-Tridem", GearConfiguration::DualTridem}};
inline constexpr Word<LayerType> LayerWords[] = {{"One Layer", LayerType::OneLayer},
                                                 {"Two Layer Bonded", LayerType::TwoLayerBonded},
                                                 {"Two Layer Unbonded", LayerType::TwoLayerUnbonded}};
inline constexpr Word<bool> YesNoWords[] = {{"Yes", true}, {"No", false}};

// The words of the options in the cells of a batch file and a traffic spectrum, written in lower case
// and read in any case.
inline constexpr Word<UnitSystem> UnitCellWords[] = {{"english", UnitSystem::English},
                                                     {"metric", UnitSystem::Metric}};
inline constexpr Word<WheelLocation> LocationCellWords[] = {
    {"interior", WheelLocation::Interior}, {"edge", WheelLocation::Edge}, {"corner", WheelLocation::Corner}};
inline constexpr Word<GearConfiguration> GearCellWords[] = {
    {"single-single", GearConfiguration::SingleSingle}, {"single-tandem", GearConfiguration::SingleTandem},
    {"single-tridem", GearConfiguration::SingleTridem}, {"dual-single", GearConfiguration::DualSingle},
    {"dual-tandem", GearConfiguration::DualTandem},     {"dual-tridem", GearConfiguration::DualTridem}};
inline constexpr Word<LayerType> LayerCellWords[] = {{"one", LayerType::OneLayer},
                                                     {"bonded", LayerType::TwoLayerBonded},
                                                     {"unbonded", LayerType::TwoLayerUnbonded}};
inline constexpr Word<bool> YesNoCellWords[] = {{"yes", true}, {"no", false}};

// The layer line of a case file, read and written with these words.
inline constexpr Word<LayerType> LayerLineWords[] = {{"OneLayer", LayerType::OneLayer},
                                                     {"TwoLayer Unbond", LayerType::TwoLayerUnbonded},
                                                     {"TwoLayer Bond", LayerType::TwoLayerBonded}};

// The title of an analysis by its location: the report's heading and line 5 of the case file.
inline constexpr Word<WheelLocation> LocationTitles[] = {
    {"Interior Stress Analysis", WheelLocation::Interior},
    {"Edge Stress Analysis", WheelLocation::Edge},
    {"Corner Stress Analysis", WheelLocation::Corner}};

// The word of a value; a value missing from the table gets the table's first word.
template <typename T, std::size_t N> constexpr std::string_view wordOf(const Word<T> (&words)[N], T value) {
    for (const Word<T>& word : words) {
        if (word.value == value) {
            return word.text;
        }
    }
    return words[0].text;
}

// The value of a word written exactly as in the table.
template <typename T, std::size_t N>
constexpr std::optional<T> valueOf(const Word<T> (&words)[N], std::string_view text) {
    for (const Word<T>& word : words) {
        if (word.text == text) {
            return word.value;
        }
    }
    return std::nullopt;
}

// Whether two texts are equal when ASCII letters are compared without their case.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The value of a word written in any case.
template <typename T, std::size_t N>
std::optional<T> valueIgnoringCase(const Word<T> (&words)[N], std::string_view text) {
    for (const Word<T>& word : words) {
        if (equalsIgnoringCase(word.text, text)) {
            return word.value;
        }
    }
    return std::nullopt;
}

// The one rule for a yes/no answer typed by a user: "yes" or "no" in any case.
inline std::optional<bool> parseYesNo(std::string_view text) {
    return valueIgnoringCase(YesNoWords, text);
}

// The words of a vocabulary as a message lists them: "pca or power", "coarse, default or fine".
template <typename T, std::size_t N> std::string choicesText(const Word<T> (&words)[N]) {
    std::string choices;
    for (std::size_t index = 0; index < N; ++index) {
        choices += index == 0 ? "" : index + 1 == N ? " or " : ", ";
        choices += words[index].text;
    }
    return choices;
}

// A text as a message names it: in double quotes, as it was given.
inline std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// The same for a std::string, which std::quoted (found through the argument's namespace) would
// otherwise take.
inline std::string quoted(const std::string& text) {
    return quoted(std::string_view(text));
}

// A value refused, as a message names it: "NAME takes REQUIREMENT, not GIVEN", the value given as the
// front end shows it (the text typed, in quotes, or a number).
inline std::string refusedValue(std::string_view name, std::string_view requirement, std::string_view given) {
    return std::string(name) + " takes " + std::string(requirement) + ", not " + std::string(given);
}

// What a number that keeps a sign rule must be.
inline std::string_view signRequirement(bool positive) {
    return positive ? "a number greater than 0" : "a number less than 0";
}

// A text from a file as a terminal may show it: each control character (a byte below 32, or 127) as
// \xHH, so that no escape sequence or line break of an input cell reaches the screen.
std::string withControlsEscaped(std::string_view text);

} // namespace korvanex
