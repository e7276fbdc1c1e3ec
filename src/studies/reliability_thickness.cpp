// SPDX-License-Identifier: Apache-2.0
// The thickness at a reliability (reliability.h), found without computing every sample at every grid
// point, yet the same point as that full scan.
//
// The full scan takes the grid points from the thinnest and stops at the first where at least `needed`
// = leastCountReaching(samples, R) samples carry the traffic, a sample carrying it when none of its
// groups faults and its Miner's sum in the spectrum's order is at most the target. Damage need not
// fall as the slab thickens, so no point is skipped; what is saved is work within a point:
//
// 1. A point is decided as soon as its outcome is known, in whatever order its samples are taken.
//    Once `needed` samples carry, at least `needed` carry: the point passes. Once more than
//    samples - needed fail, fewer than `needed` can carry: the point fails. The two cannot both hold,
//    as that would take more than `samples` samples, and one of them holds once every sample is
//    taken. Counting with atomics, each sample counted once, any split among threads decides the same.
// 2. A sample fails as soon as the damages of its groups computed so far, summed in the spectrum's
//    order with those not yet computed counted as 0 (minersSum), exceed the target: no term is
//    negative and rounding is monotone, so its full sum can only be larger. A group that faults fails
//    the sample at once. A sample that carries has had every group computed, and its sum is the full
//    scan's sum.
// 3. The order only decides how soon a point is decided, never how. A point that fails is decided
//    after samples - needed + 1 failures, so each point takes first the samples that failed at the
//    point before, by what they summed there (infinity for a fault), highest first: the likeliest to
//    fail again. Then those not computed there, and last those that carried there, which will mostly
//    carry again and cost every group. Each sample takes its groups by their damage on the case itself
//    at this point, heaviest first, so that a failing sample is given up after few groups.
#include "studies/reliability.h"

#include "case/field_value.h"
#include "studies/sample_damage.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace korvanex {

namespace {

// Enough samples per block that handing one out costs little, few enough that a point's threads stop
// soon after it is decided.
constexpr std::uint64_t SamplesPerBlock = 32;

// The groups ranked by their damage on the case itself with the slab thickness h1, heaviest first; a
// group that faults there first of all.
std::vector<std::size_t> heaviestFirst(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                                       double h1) {
    const std::size_t count = spectrum.groups.size();
    std::vector<double> damages(count);
    AnalysisResults results;
    for (std::size_t index = 0; index < count; ++index) {
        const SpectrumGroup& group = spectrum.groups[index];
        FieldNumbers numbers = readFieldNumbers(group.record);
        numbers[static_cast<std::size_t>(Field::h1)].value = h1;
        const GroupDamage damage = groupDamage(group.record, numbers, group.repetitions, fatigue, results);
        damages[index] = damage.status == GroupDamage::Status::Ok ? damage.damagePercent
                                                                  : std::numeric_limits<double>::infinity();
    }
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return damages[a] > damages[b]; });
    return order;
}

// One thread's sample at a time, given up as soon as it fails (2. above).
class SampleTrial {
  public:
    SampleTrial(const TrafficSpectrum& spectrum, const FatigueSettings& fatigue,
                const ReliabilitySettings& reliability)
        : sample_(spectrum, fatigue, reliability), target_(fatigue.targetPercent),
          known_(spectrum.groups.size()) {}

    // Whether the sample carries the traffic at the thickness; `damage` is what it came to.
    bool carries(std::uint64_t sample, double h1, const std::vector<std::size_t>& order, double& damage) {
        sample_.draw(sample, h1);
        std::fill(known_.begin(), known_.end(), 0.0);
        double running = 0;
        for (std::size_t index : order) {
            const GroupDamage group = sample_.group(index);
            if (group.status != GroupDamage::Status::Ok) {
                damage = std::numeric_limits<double>::infinity();
                return false;
            }
            known_[index] = group.damagePercent;
            running += group.damagePercent;
            if (running > target_ && (damage = minersSum(known_)) > target_) {
                return false;
            }
        }
        damage = minersSum(known_);
        return damage <= target_;
    }

  private:
    SampleDamage sample_;
    double target_;
    std::vector<double> known_;
};

// The samples of one grid point taken in `order` until the point is decided (1. above).
struct PointTrial {
    std::uint64_t needed;
    std::uint64_t allowedFailures;
    // What each sample of the point came to: none for a sample not computed there.
    std::vector<std::optional<double>>& damages;
    std::atomic<std::uint64_t> carried{0};
    std::atomic<std::uint64_t> failed{0};
    std::atomic<std::uint64_t> taken{0}; // the positions of `order` handed out
    std::atomic<bool> decided{false};

    bool take(SampleTrial& trial, std::uint32_t sample, double h1, const std::vector<std::size_t>& groups) {
        if (decided.load()) {
            return false;
        }
        double damage = 0;
        const bool carries = trial.carries(sample, h1, groups, damage);
        damages[sample] = damage;
        const bool decisive =
            carries ? carried.fetch_add(1) + 1 >= needed : failed.fetch_add(1) + 1 > allowedFailures;
        if (decisive) {
            decided.store(true);
        }
        return true;
    }
};

// The order of the next point (3. above) from the samples of the first `taken` places of this point's
// order; each sample computed here is forgotten once placed.
std::vector<std::uint32_t> nextOrder(const std::vector<std::uint32_t>& order, std::uint64_t taken,
                                     std::vector<std::optional<double>>& damages, double target) {
    std::vector<std::uint32_t> failed, carried, next;
    next.reserve(order.size());
    for (std::uint64_t position = 0; position < taken; ++position) {
        const std::uint32_t sample = order[position];
        const std::optional<double>& damage = damages[sample];
        (!damage ? next : *damage > target ? failed : carried).push_back(sample);
    }
    const auto highestFirst = [&](std::uint32_t a, std::uint32_t b) { return *damages[a] > *damages[b]; };
    std::sort(failed.begin(), failed.end(), highestFirst);
    next.insert(next.begin(), failed.begin(), failed.end());
    next.insert(next.end(), order.begin() + static_cast<std::ptrdiff_t>(taken), order.end());
    next.insert(next.end(), carried.begin(), carried.end());
    for (std::uint32_t sample : failed) {
        damages[sample].reset();
    }
    for (std::uint32_t sample : carried) {
        damages[sample].reset();
    }
    return next;
}

} // namespace

std::optional<RequiredThickness> solveThicknessAtReliability(const TrafficSpectrum& spectrum,
                                                             const FatigueSettings& fatigue,
                                                             const ReliabilitySettings& reliability,
                                                             const StudyControl& control) {
    RequiredThickness answer;
    answer.why = thicknessProblem(spectrum, fatigue);
    if (!answer.why.empty()) {
        return answer;
    }
    const std::uint64_t samples = reliability.samples;
    const std::uint64_t needed = leastCountReaching(samples, reliability.reliabilityPercent.value_or(100));
    std::vector<std::uint32_t> order(samples);
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    std::vector<std::optional<double>> damages(samples);
    std::vector<SampleTrial> trials(std::max(1u, control.jobs), SampleTrial(spectrum, fatigue, reliability));
    const int points = thicknessGridPoints(spectrum.units);
    for (int point = 0; point < points; ++point) {
        if (control.progress) {
            control.progress(static_cast<std::uint64_t>(point), static_cast<std::uint64_t>(points));
        }
        const std::string text = thicknessGridText(spectrum.units, point);
        const double h1 = readFieldNumber(text).value;
        const std::vector<std::size_t> groups = heaviestFirst(spectrum, fatigue, h1);
        PointTrial trial{needed, samples - needed, damages};
        const auto work = [&](unsigned thread, std::uint64_t begin, std::uint64_t end) {
            trial.taken.fetch_add(end - begin);
            for (std::uint64_t position = begin; position < end; ++position) {
                if (!trial.take(trials[thread], order[position], h1, groups)) {
                    return false;
                }
            }
            return !trial.decided.load();
        };
        if (!runBlocks(samples, SamplesPerBlock, control, work)) {
            return std::nullopt;
        }
        if (trial.carried.load() >= needed) {
            answer.status = RequiredThickness::Status::Found;
            answer.h1 = thicknessGridValue(spectrum.units, point);
            answer.h1Text = text;
            return answer;
        }
        order = nextOrder(order, std::min(samples, trial.taken.load()), damages, fatigue.targetPercent);
    }
    answer.status = RequiredThickness::Status::NoneInRange;
    return answer;
}

} // namespace korvanex
