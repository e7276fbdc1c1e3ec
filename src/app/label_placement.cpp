// SPDX-License-Identifier: Apache-2.0
#include "app/label_placement.h"

#include <algorithm>
#include <numeric>

namespace korvanex {

bool LabelBox::overlaps(const LabelBox& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
}

bool LabelBox::within(const LabelBox& area) const {
    return left >= area.left && top >= area.top && right() <= area.right() && bottom() <= area.bottom();
}

std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelAnchor>& anchors,
                                                 const LabelBox& area, double gap) {
    std::vector<std::size_t> order(anchors.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return anchors[a].x < anchors[b].x; });

    std::vector<std::optional<LabelBox>> boxes(anchors.size());
    std::vector<LabelBox> placed;
    for (std::size_t index : order) {
        const LabelAnchor& anchor = anchors[index];
        const double left = std::clamp(anchor.x - anchor.width / 2, area.left,
                                       std::max(area.left, area.right() - anchor.width));
        const double step = anchor.height + gap;
        // No row beyond the area's height can be inside it.
        const int rows = step > 0 ? static_cast<int>(area.height / step) + 1 : 0;
        for (int row = 0; row < rows; ++row) {
            const LabelBox above{left, anchor.y - gap - anchor.height - row * step, anchor.width,
                                 anchor.height};
            const LabelBox below{left, anchor.y + gap + row * step, anchor.width, anchor.height};
            const auto free = [&](const LabelBox& box) {
                return box.within(area) &&
                       std::none_of(placed.begin(), placed.end(),
                                    [&](const LabelBox& other) { return other.overlaps(box); });
            };
            if (free(above) || free(below)) {
                boxes[index] = free(above) ? above : below;
                placed.push_back(*boxes[index]);
                break;
            }
        }
    }
    return boxes;
}

} // namespace korvanex
