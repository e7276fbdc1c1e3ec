// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/fatigue_damage.h"
#include "studies/traffic_loads.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace korvanex {

// The spectrum of a CSV text over a case (the English defaults unless given), read without an error.
inline TrafficSpectrum spectrumOf(const std::string& csv,
                                  const AnalysisCase& base = AnalysisCase::defaults(UnitSystem::English)) {
    std::istringstream in(csv);
    TrafficSpectrum spectrum;
    EXPECT_EQ(readSpectrum(in, base, spectrum), "");
    return spectrum;
}

// The default fatigue model at a modulus of rupture.
inline FatigueSettings pcaAt(double modulusOfRupture) {
    FatigueSettings settings;
    settings.modulusOfRupture = modulusOfRupture;
    return settings;
}

} // namespace korvanex
