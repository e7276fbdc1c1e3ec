// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <vector>

namespace korvanex {

// A point of a picture, y growing downwards.
struct LabelPoint {
    double x = 0;
    double y = 0;
};

// A rectangle of a picture, y growing downwards.
struct LabelBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool overlaps(const LabelBox& other) const;
    bool within(const LabelBox& area) const;
    // Whether the straight line from a to b runs through the box, its edges included.
    bool crosses(LabelPoint a, LabelPoint b) const;
};

// A label to place: the point it names and its size.
struct LabelAnchor {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// What the labels must stay clear of: lines drawn through their points in order (the curves) and
// boxes (the marks).
struct LabelObstacles {
    std::vector<std::vector<LabelPoint>> lines;
    std::vector<LabelBox> boxes;
};

// One box per label, each inside the area and at least `gap` clear of every other label, every line
// and every box, at the free place nearest to its point: above or below it, centred over it or moved
// sideways, and shifted to stay inside the area. Labels are placed from left to right; a label for which the
// area holds no free place gets none.
std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelAnchor>& anchors,
                                                 const LabelBox& area, double gap,
                                                 const LabelObstacles& obstacles = {});

} // namespace korvanex
