// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "studies/fatigue_damage.h"
#include "studies/scatter.h"
#include "studies/traffic_loads.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace korvanex {

// The groups of one sample at a time, computed with the sample's factors; each thread of a reliability
// study keeps one.
class SampleDamage {
  public:
    SampleDamage(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                 const ReliabilitySettings& reliability);

    // Draws the factors of a sample; with `h1`, every group's slab thickness is that value times the
    // sample's factor, otherwise its own value times it.
    void draw(std::uint64_t sample, std::optional<double> h1);

    // The damage of a group of the sample drawn. A factor of 1 leaves its value as it is, so a sample
    // without scatter computes what the deterministic study computes.
    GroupDamage group(std::size_t index);

  private:
    const TrafficSpectrum& spectrum_;
    const ReliabilitySettings& reliability_;
    const double modulusOfRupture_;
    FatigueSettings fatigue_;           // with the sample's modulus of rupture
    std::vector<FieldNumbers> numbers_; // each group's field texts as read
    FieldNumbers sampled_;
    SampleFactors factors_{};
    std::optional<double> h1_;
    AnalysisResults results_;
};

} // namespace korvanex
