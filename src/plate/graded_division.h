// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

namespace korvanex {

// A stretch of a line where the mesh is at its finest: the side of a tire.
struct FineZone {
    double from;
    double to;
};

// How the elements grow away from the fine zones: fineSize inside them, then fineSize plus growth
// times the distance to the nearest zone, up to coarseSize.
struct GradedSpacing {
    double fineSize;
    double coarseSize;
    double growth;
};

// The nodes of a graded division of [from, to]: every one of the given points that lies inside is a
// node, unless it lies within a quarter of the fine size of another (the ends always stay), and
// between two such nodes the elements follow the spacing, as evenly as a whole number of them allows.
std::vector<double> gradedDivision(double from, double to, std::vector<double> points,
                                   const std::vector<FineZone>& zones, const GradedSpacing& spacing);

// Every element of a division cut into the given number of equal parts.
std::vector<double> subdivided(const std::vector<double>& nodes, int parts);

} // namespace korvanex
