// SPDX-License-Identifier: Apache-2.0
#include "app/label_placement.h"

#include <algorithm>
#include <numeric>

namespace korvanex {

namespace {

LabelBox grown(const LabelBox& box, double margin) {
    return {box.left - margin, box.top - margin, box.width + 2 * margin, box.height + 2 * margin};
}

// A line to stay clear of, and whether its points run from left to right, so that only the few
// segments under a box need be looked at.
struct Obstacle {
    const std::vector<LabelPoint>* points;
    bool leftToRight;
};

bool clearOf(const LabelBox& box, const Obstacle& line) {
    const std::vector<LabelPoint>& points = *line.points;
    std::size_t first = 1;
    if (line.leftToRight) {
        const auto after = std::lower_bound(points.begin(), points.end(), box.left,
                                            [](const LabelPoint& point, double x) { return point.x < x; });
        first = std::max<std::size_t>(1, static_cast<std::size_t>(after - points.begin()));
    }
    for (std::size_t index = first; index < points.size(); ++index) {
        if (line.leftToRight && points[index - 1].x > box.right()) {
            break;
        }
        if (box.crosses(points[index - 1], points[index])) {
            return false;
        }
    }
    return true;
}

// The places a label may take, nearest to its point first: rows a quarter of its height apart above
// and below the point, each from centred over the point to half its width at a time sideways, shifted
// to stay inside the area.
std::vector<LabelBox> candidates(const LabelAnchor& anchor, const LabelBox& area, double gap) {
    std::vector<LabelBox> boxes;
    const double rowStep = anchor.height / 4;
    const double sideStep = anchor.width / 2;
    if (!(rowStep > 0) || !(sideStep > 0)) {
        return boxes;
    }
    const int rows = static_cast<int>(area.height / rowStep) + 1;
    const int sides = static_cast<int>(area.width / sideStep) + 1;
    for (int row = 0; row < rows; ++row) {
        const double away = gap + row * rowStep;
        for (const double top : {anchor.y - away - anchor.height, anchor.y + away}) {
            for (int side = -sides; side <= sides; ++side) {
                const double left = std::clamp(anchor.x - anchor.width / 2 + side * sideStep, area.left,
                                               std::max(area.left, area.right() - anchor.width));
                boxes.push_back({left, top, anchor.width, anchor.height});
            }
        }
    }
    const auto distance = [&anchor](const LabelBox& box) {
        const double dx = box.left + box.width / 2 - anchor.x;
        const double dy = box.top + box.height / 2 - anchor.y;
        return dx * dx + dy * dy;
    };
    std::stable_sort(boxes.begin(), boxes.end(),
                     [&](const LabelBox& a, const LabelBox& b) { return distance(a) < distance(b); });
    return boxes;
}

} // namespace

bool LabelBox::overlaps(const LabelBox& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
}

bool LabelBox::within(const LabelBox& area) const {
    return left >= area.left && top >= area.top && right() <= area.right() && bottom() <= area.bottom();
}

// The part of the line that lies within each pair of opposite edges, narrowed edge by edge
// (Liang and Barsky): the line crosses the box when a part remains.
bool LabelBox::crosses(LabelPoint a, LabelPoint b) const {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double towards[] = {-dx, dx, -dy, dy};
    const double room[] = {a.x - left, right() - a.x, a.y - top, bottom() - a.y};
    double enter = 0;
    double leave = 1;
    for (int edge = 0; edge < 4; ++edge) {
        if (towards[edge] == 0) {
            if (room[edge] < 0) {
                return false;
            }
            continue;
        }
        const double at = room[edge] / towards[edge];
        if (towards[edge] < 0) {
            enter = std::max(enter, at);
        } else {
            leave = std::min(leave, at);
        }
        if (enter > leave) {
            return false;
        }
    }
    return true;
}

std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelAnchor>& anchors,
                                                 const LabelBox& area, double gap,
                                                 const LabelObstacles& obstacles) {
    std::vector<std::size_t> order(anchors.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return anchors[a].x < anchors[b].x; });

    std::vector<Obstacle> lines;
    for (const std::vector<LabelPoint>& line : obstacles.lines) {
        lines.push_back(
            {&line, std::is_sorted(line.begin(), line.end(),
                                   [](const LabelPoint& a, const LabelPoint& b) { return a.x < b.x; })});
    }
    std::vector<LabelBox> taken = obstacles.boxes;
    const auto free = [&](const LabelBox& box) {
        const LabelBox clearance = grown(box, gap);
        return box.within(area) &&
               std::none_of(taken.begin(), taken.end(),
                            [&](const LabelBox& other) { return other.overlaps(clearance); }) &&
               std::all_of(lines.begin(), lines.end(),
                           [&](const Obstacle& line) { return clearOf(clearance, line); });
    };
    std::vector<std::optional<LabelBox>> boxes(anchors.size());
    for (std::size_t index : order) {
        for (const LabelBox& box : candidates(anchors[index], area, gap)) {
            if (free(box)) {
                boxes[index] = box;
                taken.push_back(box);
                break;
            }
        }
    }
    return boxes;
}

} // namespace korvanex
