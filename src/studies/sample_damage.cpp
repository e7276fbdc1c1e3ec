// SPDX-License-Identifier: Apache-2.0
#include "studies/sample_damage.h"

namespace korvanex {

namespace {

double& valueOf(FieldNumbers& numbers, Field field) {
    return numbers[static_cast<std::size_t>(field)].value;
}

} // namespace

SampleDamage::SampleDamage(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                           const ReliabilitySettings& reliability)
    : spectrum_(spectrum), reliability_(reliability), modulusOfRupture_(fatigue.modulusOfRupture),
      fatigue_(fatigue) {
    numbers_.reserve(spectrum.groups.size());
    for (const SpectrumGroup& group : spectrum.groups) {
        numbers_.push_back(readFieldNumbers(group.record));
    }
}

void SampleDamage::draw(std::uint64_t sample, std::optional<double> h1) {
    factors_ = sampleFactors(reliability_, sample);
    h1_ = h1;
    fatigue_.modulusOfRupture =
        modulusOfRupture_ * factors_[static_cast<std::size_t>(ScatterInput::ModulusOfRupture)];
}

GroupDamage SampleDamage::group(std::size_t index) {
    const auto factor = [this](ScatterInput input) { return factors_[static_cast<std::size_t>(input)]; };
    sampled_ = numbers_[index];
    valueOf(sampled_, Field::h1) = h1_.value_or(valueOf(sampled_, Field::h1)) * factor(ScatterInput::H1);
    valueOf(sampled_, Field::E1) *= factor(ScatterInput::E1);
    valueOf(sampled_, Field::k) *= factor(ScatterInput::K);
    valueOf(sampled_, Field::F) *= factor(ScatterInput::TemperatureDifferential);
    const SpectrumGroup& group = spectrum_.groups[index];
    return groupDamage(group.record, sampled_, group.repetitions * factor(ScatterInput::Traffic), fatigue_,
                       results_);
}

} // namespace korvanex
