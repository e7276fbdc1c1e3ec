// SPDX-License-Identifier: Apache-2.0
#include "case/typical_ranges.h"

namespace korvanex {

namespace {

struct RangeRow {
    Field field;
    std::string_view label;
    float englishMinimum;
    float englishMaximum;
    float metricMinimum;
    float metricMaximum;
};

// The metric bounds are the English ones in metric units, kept as the system's own rounded
// constants rather than converted at run time; ΔT's metric maximum is 40 oF as a difference in oC.
constexpr RangeRow RangeTable[] = {
    // clang-format off
    {Field::P,   "P",     0.0f,      100000.0f,  0.0f,       445.0f},
    {Field::tp,  "p",     60.0f,     200.0f,     413.4f,     1378.0f},
    {Field::S,   "s",     4.0f,      36.0f,      10.16f,     91.44f},
    {Field::t,   "t",     24.0f,     100.0f,     60.96f,     254.0f},
    {Field::d,   "d",     30.0f,     200.0f,     76.2f,      508.0f},
    {Field::h1,  "h1",    4.0f,      20.0f,      10.16f,     50.8f},
    {Field::E1,  "E1",    500000.0f, 8000000.0f, 3445000.0f, 55120000.0f},
    {Field::r1,  "γ1",    0.08f,     0.09f,      2216.0f,    2493.0f},
    {Field::mu1, "μ1",    0.1f,      0.5f,       0.1f,       0.5f},
    {Field::L,   "L",     8.0f,      100.0f,     2.4384f,    30.48f},
    {Field::W,   "W",     8.0f,      14.0f,      2.4384f,    4.2672f},
    {Field::k,   "k",     50.0f,     700.0f,     13.55f,     189.7f},
    {Field::h2,  "h2",    0.0f,      36.0f,      0.0f,       91.44f},
    {Field::E2,  "E2",    10000.0f,  3000000.0f, 68900.0f,   20670000.0f},
    {Field::d0,  "d0",    0.0f,      48.0f,      0.0f,       121.92f},
    {Field::AGG, "AGG",   0.0f,      5000000.0f, 0.0f,       34450000.0f},
    {Field::F,   "ΔT",    0.0f,      40.0f,      0.0f,       static_cast<float>(40 / 1.8)},
    {Field::alp, "alpha", 0.0f,      0.00001f,   0.0f,       0.000018f},
    // clang-format on
};

} // namespace

std::optional<TypicalRange> typicalRange(Field field, UnitSystem units) {
    for (const RangeRow& row : RangeTable) {
        if (row.field != field) {
            continue;
        }
        if (units == UnitSystem::Metric) {
            return TypicalRange{row.label, row.metricMinimum, row.metricMaximum};
        }
        return TypicalRange{row.label, row.englishMinimum, row.englishMaximum};
    }
    return std::nullopt;
}

} // namespace korvanex
