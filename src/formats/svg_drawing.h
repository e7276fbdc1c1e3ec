// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// A point of a drawing, in its user units; y grows downwards.
struct DrawingPoint {
    double x;
    double y;
};

// An axis-parallel box of a drawing.
struct DrawingBox {
    double left, top, right, bottom;

    void include(double x, double y);
    void include(const DrawingBox& box);
    DrawingBox grown(double by) const;
    // Whether the two boxes share any point (touching counts).
    bool meets(const DrawingBox& other) const;
};

// The room a label's text takes, estimated from the font metrics of the widest common sans-serif
// fonts (DejaVu Sans, Liberation Sans) so that the text drawn never takes more: its advance along the
// baseline, and its extent from TextAscent of the text size above the baseline to TextDescent below.
double estimatedTextWidth(std::string_view text, double textSize);
inline constexpr double TextAscent = 0.8;
inline constexpr double TextDescent = 0.25;

// Where a label's text stands: the point of its baseline that the anchor names ("start", "middle" or
// "end"), written horizontally or rotated by -90 degrees to read upwards.
struct LabelSpot {
    DrawingPoint at;
    std::string_view anchor;
    bool vertical = false;
};

// The box a label takes at a spot, by the estimate above.
DrawingBox labelBox(const LabelSpot& spot, std::string_view text, double textSize);

// An SVG drawing built element by element. It keeps the box that holds everything drawn, and what a
// label must keep clear of: every other label, every line (a rectangle's outline is four lines) and
// every filled shape. A label goes to the first spot of its list where its box, widened by a
// clearance, meets none of them; the lines are axis-parallel.
class SvgDrawing {
  public:
    explicit SvgDrawing(double textSize) : textSize_(textSize) {}

    double textSize() const { return textSize_; }
    const DrawingBox& bounds() const { return bounds_; }

    void line(DrawingPoint from, DrawingPoint to, std::string_view style);
    void rect(const DrawingBox& box, std::string_view cssClass, std::string_view style);
    void circle(DrawingPoint centre, double radius, std::string_view cssClass, std::string_view style);
    void polygon(const std::vector<DrawingPoint>& points, std::string_view style);

    // Whether a label at the spot would stand clear of everything drawn.
    bool labelFits(const LabelSpot& spot, std::string_view text) const;
    // Writes the label at the first spot where it fits; none written when it fits nowhere.
    std::optional<LabelSpot> label(const std::vector<LabelSpot>& spots, std::string_view text);
    // Writes a label at a spot, whatever it meets.
    void labelAt(const LabelSpot& spot, std::string_view text);

    // Dimension lines keep clear of every label, every filled shape and each other, ticks included.
    bool dimensionLineFits(DrawingPoint from, DrawingPoint to) const;
    // A dimension line between two points, with a tick across each end.
    void dimensionLine(DrawingPoint from, DrawingPoint to);

    // The whole picture, `pictureWidth` pixels wide, with a margin of the given width around everything
    // drawn.
    std::string document(double pictureWidth, double margin) const;

  private:
    DrawingBox dimensionLineBox(DrawingPoint from, DrawingPoint to) const;

    double textSize_;
    std::string body_;
    DrawingBox bounds_{0, 0, 0, 0};
    std::vector<DrawingBox> labels_;
    std::vector<DrawingBox> lines_;
    std::vector<DrawingBox> shapes_;
    std::vector<DrawingBox> dimensionLines_;
};

// A number as an SVG coordinate, to a thousandth.
std::string svgCoordinate(double value);

} // namespace korvanex
