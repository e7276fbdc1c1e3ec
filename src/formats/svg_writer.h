// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "engine/tire_layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// A rectangle of a drawing, in its user units.
struct Box {
    double left, top, right, bottom;

    void include(double x, double y);
};

// A coordinate in a drawing, to a thousandth of an inch.
std::string coordinate(double value);

// Writes the elements of an SVG picture whose user unit is the inch, in the frame of the slab plan
// (engine/tire_layout.h), and keeps the box that holds all of them. Every number it writes is a
// coordinate or a size the caller computed: finite.
class SvgWriter {
  public:
    using Point = PlanPoint;

    explicit SvgWriter(double textSize) : textSize_(textSize) {}

    void line(Point from, Point to, std::string_view style);
    void rect(const Box& box, std::string_view cssClass, std::string_view style);
    // A tire's contact circle: <circle class="tire">.
    void circle(Point centre, double radius);
    void polygon(const std::vector<Point>& points, std::string_view style);
    // Text anchored at a point: "start", "middle" or "end"; rotated by -90 degrees when vertical.
    void text(Point at, std::string_view anchor, std::string_view content, bool vertical = false);
    // A dimension line between two points with end ticks, its label beside its middle.
    void dimensionLine(Point from, Point to, std::string_view label, Point labelOffset,
                       std::string_view anchor);
    void dimensionLine(Point from, Point to);

    double textSize() const { return textSize_; }

    // The whole picture, 720 pixels wide, with a margin of the given width around everything drawn
    // on a white ground.
    std::string document(double margin) const;

  private:
    double textSize_;
    std::string body_;
    Box bounds_{0, 0, 0, 0};
};

} // namespace korvanex
