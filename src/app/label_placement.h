// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <vector>

namespace korvanex {

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
};

// A label to place: the point it names and its size.
struct LabelAnchor {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// One box per label, each inside the area and clear of every other: centred over its point where
// that is free, else in the nearest free row above or below it, shifted sideways to stay inside the
// area. Labels are placed from left to right; a label for which the area holds no free row gets
// none.
std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelAnchor>& anchors,
                                                 const LabelBox& area, double gap);

} // namespace korvanex
