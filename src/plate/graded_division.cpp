// SPDX-License-Identifier: Apache-2.0
#include "plate/graded_division.h"

#include <algorithm>
#include <cmath>

namespace korvanex {

namespace {

// Samples of the element density 1 / size between two nodes, for placing the elements.
constexpr int DensitySamples = 256;

double elementSize(double x, const std::vector<FineZone>& zones, const GradedSpacing& spacing) {
    double distance = HUGE_VAL;
    for (const FineZone& zone : zones) {
        distance = std::min(distance, std::max({zone.from - x, x - zone.to, 0.0}));
    }
    return std::min(spacing.coarseSize, spacing.fineSize + spacing.growth * distance);
}

// The nodes kept: the ends first, then each point in order unless it crowds one already kept.
std::vector<double> keptNodes(double from, double to, std::vector<double> points, double crowding) {
    std::vector<double> kept = {from, to};
    std::sort(points.begin(), points.end());
    for (double point : points) {
        const bool inside = point > from && point < to;
        const bool apart = std::all_of(kept.begin(), kept.end(),
                                       [&](double node) { return std::fabs(node - point) >= crowding; });
        if (inside && apart) {
            kept.push_back(point);
        }
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

// The inner nodes between two kept nodes, at equal steps of the integrated element density.
void fillBetween(double left, double right, const std::vector<FineZone>& zones, const GradedSpacing& spacing,
                 std::vector<double>& nodes) {
    std::vector<double> cumulative(DensitySamples + 1, 0.0);
    const double step = (right - left) / DensitySamples;
    for (int i = 1; i <= DensitySamples; ++i) {
        const double x0 = left + (i - 1) * step;
        const double x1 = left + i * step;
        cumulative[i] =
            cumulative[i - 1] +
            step / 2 * (1 / elementSize(x0, zones, spacing) + 1 / elementSize(x1, zones, spacing));
    }
    const int count = std::max(1, static_cast<int>(std::ceil(cumulative.back() - 0.01)));
    for (int element = 1; element < count; ++element) {
        const double target = cumulative.back() * element / count;
        const auto above = std::upper_bound(cumulative.begin(), cumulative.end(), target);
        const auto i = static_cast<int>(above - cumulative.begin());
        const double share = (target - cumulative[i - 1]) / (cumulative[i] - cumulative[i - 1]);
        nodes.push_back(left + (i - 1 + share) * step);
    }
    nodes.push_back(right);
}

} // namespace

std::vector<double> gradedDivision(double from, double to, std::vector<double> points,
                                   const std::vector<FineZone>& zones, const GradedSpacing& spacing) {
    const std::vector<double> kept = keptNodes(from, to, std::move(points), spacing.fineSize / 4);
    std::vector<double> nodes = {from};
    for (std::size_t i = 1; i < kept.size(); ++i) {
        fillBetween(kept[i - 1], kept[i], zones, spacing, nodes);
    }
    return nodes;
}

std::vector<double> subdivided(const std::vector<double>& nodes, int parts) {
    std::vector<double> result = {nodes.front()};
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        for (int part = 1; part < parts; ++part) {
            result.push_back(nodes[i - 1] + (nodes[i] - nodes[i - 1]) * part / parts);
        }
        result.push_back(nodes[i]);
    }
    return result;
}

} // namespace korvanex
