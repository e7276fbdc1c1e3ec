// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvanex {

// A case of a test table: the options, and field texts "NAME=TEXT ..." over the defaults of the unit
// system.
struct CaseRow {
    const char* name;
    UnitSystem units;
    WheelLocation location;
    GearConfiguration gear;
    LayerType layer;
    bool tied;
    bool widened;
    const char* fields;
};

inline AnalysisCase caseOf(const CaseRow& row) {
    AnalysisCase record = AnalysisCase::defaults(row.units);
    record.location = row.location;
    record.gear = row.gear;
    record.layer = row.layer;
    record.tiedShoulder = row.tied;
    record.widenedLane = row.widened;
    std::istringstream fields(row.fields);
    for (std::string assignment; fields >> assignment;) {
        const std::size_t equals = assignment.find('=');
        Field field;
        EXPECT_TRUE(fieldFromName(assignment.substr(0, equals), field)) << assignment;
        record.text(field) = assignment.substr(equals + 1);
    }
    return record;
}

} // namespace korvanex
