// SPDX-License-Identifier: Apache-2.0
#include "formats/slab_plan_svg.h"

#include "case/fault.h"
#include "case/field_value.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/tire_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace korvanex {

namespace {

// The picture's width on screen, in pixels; its height follows the drawing.
constexpr double PictureWidth = 720;
// The shoulder drawn beside the outer edge, as a part of the slab width.
constexpr double ShoulderPart = 0.25;
// The text size and the room around everything drawn, as parts of the drawing's larger extent.
constexpr double TextPart = 0.04;
constexpr double MarginPart = 0.02;
// The width of a character of the labels, about, as a part of the text size.
constexpr double CharacterWidth = 0.6;
// Tie bars across a tied shoulder's joint, about this far apart (in).
constexpr double TieBarSpacing = 30;

using Point = PlanPoint;

struct Box {
    double left, top, right, bottom;

    void include(double x, double y) {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x);
        bottom = std::max(bottom, y);
    }
};

// A coordinate in the drawing, to a thousandth of an inch.
std::string coordinate(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

// A value in a label: as read from the case, in at most six significant digits.
std::string labelNumber(double value, int precision = 6) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

std::string escaped(std::string_view text) {
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string lengthUnit(const AnalysisCase& record, Field field) {
    const bool metric = record.units == UnitSystem::Metric;
    if (field == Field::L || field == Field::W) {
        return metric ? "m" : "ft";
    }
    return metric ? "cm" : "in";
}

// "s = 12 in": the field's symbol, its value as the case holds it, and its unit.
std::string dimension(const AnalysisCase& record, Field field, std::string_view symbol) {
    return std::string(symbol) + " = " + labelNumber(numericPrefix(record.text(field))) + " " +
           lengthUnit(record, field);
}

// Writes the elements of the picture and keeps the box that holds all of them.
class SvgWriter {
  public:
    explicit SvgWriter(double textSize) : textSize_(textSize) {}

    void line(Point from, Point to, std::string_view style) {
        bounds_.include(from.x, from.y);
        bounds_.include(to.x, to.y);
        body_ += "<line x1=\"" + coordinate(from.x) + "\" y1=\"" + coordinate(from.y) + "\" x2=\"" +
                 coordinate(to.x) + "\" y2=\"" + coordinate(to.y) + "\" " + std::string(style) + "/>\n";
    }
    void rect(const Box& box, std::string_view cssClass, std::string_view style) {
        bounds_.include(box.left, box.top);
        bounds_.include(box.right, box.bottom);
        body_ += "<rect class=\"" + std::string(cssClass) + "\" x=\"" + coordinate(box.left) + "\" y=\"" +
                 coordinate(box.top) + "\" width=\"" + coordinate(box.right - box.left) + "\" height=\"" +
                 coordinate(box.bottom - box.top) + "\" " + std::string(style) + "/>\n";
    }
    void circle(Point centre, double radius) {
        bounds_.include(centre.x - radius, centre.y - radius);
        bounds_.include(centre.x + radius, centre.y + radius);
        body_ += "<circle class=\"tire\" cx=\"" + coordinate(centre.x) + "\" cy=\"" + coordinate(centre.y) +
                 "\" r=\"" + coordinate(radius) + "\" fill=\"#303030\" fill-opacity=\"0.8\"/>\n";
    }
    void polygon(const std::vector<Point>& points, std::string_view style) {
        body_ += "<polygon points=\"";
        for (const Point& point : points) {
            bounds_.include(point.x, point.y);
            body_ += coordinate(point.x) + "," + coordinate(point.y) + " ";
        }
        body_ += "\" " + std::string(style) + "/>\n";
    }
    // Text anchored at a point: "start", "middle" or "end"; rotated by -90 degrees when vertical.
    void text(Point at, std::string_view anchor, std::string_view content, bool vertical = false) {
        const double length = CharacterWidth * textSize_ * static_cast<double>(content.size());
        const double start = anchor == "start" ? 0 : anchor == "middle" ? -length / 2 : -length;
        if (vertical) {
            bounds_.include(at.x - textSize_, at.y - start - length);
            bounds_.include(at.x, at.y - start);
        } else {
            bounds_.include(at.x + start, at.y - textSize_);
            bounds_.include(at.x + start + length, at.y + textSize_ / 3);
        }
        body_ += "<text x=\"" + coordinate(at.x) + "\" y=\"" + coordinate(at.y) + "\" text-anchor=\"" +
                 std::string(anchor) + "\" font-size=\"" + coordinate(textSize_) + "\"";
        if (vertical) {
            body_ += " transform=\"rotate(-90 " + coordinate(at.x) + " " + coordinate(at.y) + ")\"";
        }
        body_ += ">" + escaped(content) + "</text>\n";
    }
    // A dimension line between two points with end ticks, its label beside its middle.
    void dimensionLine(Point from, Point to, std::string_view label, Point labelOffset,
                       std::string_view anchor) {
        dimensionLine(from, to);
        text({(from.x + to.x) / 2 + labelOffset.x, (from.y + to.y) / 2 + labelOffset.y}, anchor, label);
    }
    void dimensionLine(Point from, Point to) {
        const std::string style = "stroke=\"#1f4e9a\" stroke-width=\"" + coordinate(textSize_ / 12) + "\"";
        line(from, to, style);
        const bool horizontal = std::fabs(to.y - from.y) < std::fabs(to.x - from.x);
        const double tick = textSize_ / 3;
        for (Point end : {from, to}) {
            line(horizontal ? Point{end.x, end.y - tick} : Point{end.x - tick, end.y},
                 horizontal ? Point{end.x, end.y + tick} : Point{end.x + tick, end.y}, style);
        }
    }

    double textSize() const { return textSize_; }

    // The whole picture, with a margin of the given width around everything drawn.
    std::string document(double margin) const {
        const Box view{bounds_.left - margin, bounds_.top - margin, bounds_.right + margin,
                       bounds_.bottom + margin};
        const double width = view.right - view.left;
        const double height = view.bottom - view.top;
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
               coordinate(PictureWidth) + "\" height=\"" + coordinate(PictureWidth * height / width) +
               "\" viewBox=\"" + coordinate(view.left) + " " + coordinate(view.top) + " " +
               coordinate(width) + " " + coordinate(height) +
               "\" font-family=\"sans-serif\">\n"
               "<rect x=\"" +
               coordinate(view.left) + "\" y=\"" + coordinate(view.top) + "\" width=\"" + coordinate(width) +
               "\" height=\"" + coordinate(height) + "\" fill=\"white\"/>\n" + body_ + "</svg>\n";
    }

  private:
    double textSize_;
    std::string body_;
    Box bounds_{0, 0, 0, 0};
};

std::string unusablePlan(const std::string& why) {
    SvgWriter svg(12);
    svg.text({0, 0}, "middle", "The slab cannot be drawn: " + why + ".");
    return svg.document(12);
}

void drawTrafficArrow(SvgWriter& svg, double length, double y) {
    const double size = svg.textSize();
    const std::string style = "stroke=\"#404040\" stroke-width=\"" + coordinate(size / 8) + "\"";
    svg.line({length * 0.35, y}, {length * 0.6, y}, style);
    svg.polygon({{length * 0.6 + size, y}, {length * 0.6, y - size / 2}, {length * 0.6, y + size / 2}},
                "fill=\"#404040\"");
    svg.text({length * 0.6 + 1.5 * size, y + size / 3}, "start", "Traffic");
}

void drawShoulder(SvgWriter& svg, const AnalysisCase& record, const ComputationInputs& in) {
    const double size = svg.textSize();
    const Box shoulder{0, in.W, in.L, in.W + ShoulderPart * in.W};
    if (record.tiedShoulder) {
        svg.rect(shoulder, "shoulder tied", "fill=\"#d8d8d8\" stroke=\"#404040\"");
        const int bars = std::max(1, static_cast<int>(in.L / TieBarSpacing));
        for (int bar = 0; bar < bars; ++bar) {
            const double x = (bar + 0.5) * in.L / bars;
            svg.line({x, in.W - size / 2}, {x, in.W + size / 2},
                     "stroke=\"#404040\" stroke-width=\"" + coordinate(size / 6) + "\"");
        }
    } else {
        svg.rect(shoulder, "shoulder", "fill=\"#f4f1e8\" stroke=\"#404040\" stroke-dasharray=\"6 4\"");
    }
    // Named under the strip: the strip itself holds the spacing of the axles at the edge.
    svg.text({0, shoulder.bottom + 1.2 * size}, "start",
             record.tiedShoulder ? "Tied concrete shoulder" : "Shoulder, not tied");
}

void drawWidenedLane(SvgWriter& svg, const AnalysisCase& record, const ComputationInputs& in) {
    const double size = svg.textSize();
    const double laneEdge = in.W - in.d0;
    svg.line({0, laneEdge}, {in.L, laneEdge},
             "class=\"lane-edge\" stroke=\"#c08000\" stroke-width=\"" + coordinate(size / 8) +
                 "\" stroke-dasharray=\"8 5\"");
    svg.dimensionLine({in.L * 0.92, laneEdge}, {in.L * 0.92, in.W}, dimension(record, Field::d0, "D0"),
                      {-size / 2, size / 3}, "end");
}

// The spacings of the first axle's tires and between its axles, labelled beside them.
void drawSpacings(SvgWriter& svg, const AnalysisCase& record, const ComputationInputs& in,
                  const std::vector<Point>& tires, double a) {
    const double size = svg.textSize();
    const bool dual = isDual(record.gear);
    const int axles = axleCount(record.gear);
    const int perSide = static_cast<int>(tires.size()) / 2;
    const Point outer = tires.front();
    if (dual) {
        const double beforeGroup = outer.x - a - size;
        svg.dimensionLine({beforeGroup, outer.y}, {beforeGroup, tires[1].y}, dimension(record, Field::S, "s"),
                          {-size / 2, size / 3}, "end");
    }
    if (axles > 1) {
        const Point next = tires[dual ? 2 : 1];
        const double below = outer.y + a + 1.2 * size;
        svg.dimensionLine({outer.x, below}, {next.x, below}, dimension(record, Field::t, "t"),
                          {0, 1.3 * size}, "middle");
    }
    const double groupOffset = dual ? in.S / 2.0 : 0.0;
    const double afterGroup = tires[static_cast<std::size_t>(perSide) - 1].x + a + size;
    svg.dimensionLine({afterGroup, outer.y - groupOffset},
                      {afterGroup, tires[static_cast<std::size_t>(perSide)].y - groupOffset},
                      dimension(record, Field::d, "d"), {size / 2, size / 3}, "start");
}

} // namespace

std::string slabPlanSvg(const AnalysisCase& record) {
    ComputationInputs in;
    try {
        in = toComputationUnits(record);
    } catch (const FloatingPointFault& fault) {
        return unusablePlan("a value is beyond single precision (" + fault.step() + ")");
    }
    if (!(in.L > 0)) {
        return unusablePlan("its length L is not a positive number");
    }
    if (!(in.W > 0)) {
        return unusablePlan("its width W is not a positive number");
    }
    std::optional<double> radius;
    try {
        radius = wheelLoad(in, record.gear).a;
    } catch (const FloatingPointFault&) {
    }
    const double a = radius.value_or(0);
    const std::vector<Point> tires = tireCentres(record, in, a);

    Box drawing{0, 0, in.L, in.W * (1 + ShoulderPart)};
    for (const Point& tire : tires) {
        drawing.include(tire.x - a, tire.y - a);
        drawing.include(tire.x + a, tire.y + a);
    }
    const double extent = std::max(drawing.right - drawing.left, drawing.bottom - drawing.top);
    SvgWriter svg(TextPart * extent);
    const double size = svg.textSize();

    svg.rect({0, 0, in.L, in.W}, "slab",
             "fill=\"#eeeeea\" stroke=\"black\" stroke-width=\"" + coordinate(size / 6) + "\"");
    drawShoulder(svg, record, in);
    if (record.widenedLane) {
        drawWidenedLane(svg, record, in);
    }
    if (radius) {
        for (const Point& tire : tires) {
            svg.circle(tire, a);
        }
        drawSpacings(svg, record, in, tires, a);
    }

    svg.dimensionLine({0, drawing.top - size}, {in.L, drawing.top - size}, dimension(record, Field::L, "L"),
                      {0, -size / 2}, "middle");
    drawTrafficArrow(svg, in.L, drawing.top - 3 * size);
    svg.dimensionLine({drawing.left - size, 0}, {drawing.left - size, in.W});
    svg.text({drawing.left - 1.5 * size, in.W / 2}, "middle", dimension(record, Field::W, "W"), true);

    const double radiusInCaseUnits = inLengthUnit(a, record.units);
    const std::string caption = std::string(locationName(record.location)) + ", " +
                                std::string(gearName(record.gear)) +
                                (radius ? ": tire contact radius a = " + labelNumber(radiusInCaseUnits, 3) +
                                              " " + lengthUnit(record, Field::S)
                                        : ": the tire contact radius cannot be computed from P and p");
    svg.text({drawing.left, drawing.bottom + 2.6 * size}, "start", caption);

    return svg.document(MarginPart * extent);
}

} // namespace korvanex
