// SPDX-License-Identifier: Apache-2.0
#include "formats/slab_plan_svg.h"

#include "case/fault.h"
#include "case/field_value.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/tire_layout.h"
#include "formats/svg_drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
// Tie bars across a tied shoulder's joint, about this far apart (in).
constexpr double TieBarSpacing = 30;
// The gap between a line and a label beside it, as a part of the text size: more than a dimension
// line's ticks (a third) and a label's clearance together, so that a label never meets its own line.
constexpr double LabelGap = 0.5;

using Point = PlanPoint;
using Box = DrawingBox;

DrawingPoint toDrawing(PlanPoint point) {
    return {point.x, point.y};
}

// A value in a label: as read from the case, in at most six significant digits.
std::string labelNumber(double value, int precision = 6) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    return std::string(buffer, result.ptr);
}

std::string lengthUnit(const AnalysisCase& record, Field field) {
    const bool metric = record.units == UnitSystem::Metric;
    if (field == Field::L || field == Field::W) {
        return metric ? "m" : "ft";
    }
    return metric ? "cm" : "in";
}

// A dimension of the plan: the places its line may take, in order of preference, and its label
// ("s = 12 in": the field's symbol, its value as the case holds it, and its unit).
struct Dimension {
    Dimension(const AnalysisCase& record, Field field, std::string_view symbol)
        : symbol(symbol), label(std::string(symbol) + " = " + labelNumber(numericPrefix(record.text(field))) +
                                " " + lengthUnit(record, field)) {}

    std::string symbol;
    std::string label;
    std::vector<std::pair<DrawingPoint, DrawingPoint>> places;
    // Whether the label may read upwards beside a vertical line, its first choice then.
    bool verticalLabel = false;
};

// The baseline that centres a line of text on a height.
double centredBaseline(double y, double size) {
    return y + (TextAscent - TextDescent) / 2 * size;
}

// The spots beside a dimension line where its label may stand: beside its middle first, then beyond
// its ends, then beside its ends reaching away from it.
std::vector<LabelSpot> spotsBeside(DrawingPoint from, DrawingPoint to, double size, bool verticalLabel) {
    const DrawingPoint middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
    const double gap = LabelGap * size;
    const double below = gap + TextAscent * size;
    const double above = gap + TextDescent * size;
    if (std::fabs(to.y - from.y) < std::fabs(to.x - from.x)) {
        const double y = from.y;
        const double left = std::min(from.x, to.x);
        const double right = std::max(from.x, to.x);
        return {{{middle.x, y - above}, "middle"},
                {{middle.x, y + below}, "middle"},
                {{left - gap, centredBaseline(y, size)}, "end"},
                {{right + gap, centredBaseline(y, size)}, "start"},
                {{left, y - above}, "end"},
                {{right, y - above}, "start"},
                {{left, y + below}, "end"},
                {{right, y + below}, "start"}};
    }
    const double x = from.x;
    const double top = std::min(from.y, to.y);
    const double bottom = std::max(from.y, to.y);
    std::vector<LabelSpot> spots;
    if (verticalLabel) {
        spots.push_back({{x - gap - TextDescent * size, middle.y}, "middle", true});
    }
    spots.insert(spots.end(), {{{x - gap, centredBaseline(middle.y, size)}, "end"},
                               {{x + gap, centredBaseline(middle.y, size)}, "start"},
                               {{x, top - above}, "middle"},
                               {{x, bottom + below}, "middle"},
                               {{x, top - above}, "end"},
                               {{x, top - above}, "start"},
                               {{x, bottom + below}, "end"},
                               {{x, bottom + below}, "start"}});
    return spots;
}

// Draws a dimension at the first of its places where the line and its label both stand clear of
// everything drawn. Where no place has room for the whole label, the first place with room for the
// symbol alone takes it and the whole label goes to the notes under the plan; where none has room for
// that either, the line goes unlabelled to the first place with room for it.
void drawDimension(SvgDrawing& svg, const Dimension& dimension, std::vector<std::string>& notes) {
    for (const std::string* text : {&dimension.label, &dimension.symbol}) {
        for (const auto& [from, to] : dimension.places) {
            if (!svg.dimensionLineFits(from, to)) {
                continue;
            }
            for (const LabelSpot& spot : spotsBeside(from, to, svg.textSize(), dimension.verticalLabel)) {
                if (svg.labelFits(spot, *text)) {
                    svg.dimensionLine(from, to);
                    svg.labelAt(spot, *text);
                    if (text != &dimension.label) {
                        notes.push_back(dimension.label);
                    }
                    return;
                }
            }
        }
    }
    notes.push_back(dimension.label);
    for (const auto& [from, to] : dimension.places) {
        if (svg.dimensionLineFits(from, to)) {
            svg.dimensionLine(from, to);
            return;
        }
    }
}

std::string unusablePlan(const std::string& why) {
    SvgDrawing svg(12);
    svg.labelAt({{0, 0}, "middle"}, "The slab cannot be drawn: " + why + ".");
    return svg.document(PictureWidth, 12);
}

void drawTrafficArrow(SvgDrawing& svg, double length, double y) {
    const double size = svg.textSize();
    const std::string style = "stroke=\"#404040\" stroke-width=\"" + svgCoordinate(size / 8) + "\"";
    svg.line({length * 0.35, y}, {length * 0.6, y}, style);
    svg.polygon({{length * 0.6 + size, y}, {length * 0.6, y - size / 2}, {length * 0.6, y + size / 2}},
                "fill=\"#404040\"");
    svg.labelAt({{length * 0.6 + 1.5 * size, centredBaseline(y, size)}, "start"}, "Traffic");
}

// The shoulder beside the outer edge: the strip, tie bars across the joint of a tied shoulder.
Box drawShoulder(SvgDrawing& svg, const AnalysisCase& record, const ComputationInputs& in) {
    const double size = svg.textSize();
    const Box shoulder{0, in.W, in.L, in.W + ShoulderPart * in.W};
    if (record.tiedShoulder) {
        svg.rect(shoulder, "shoulder tied", "fill=\"#d8d8d8\" stroke=\"#404040\"");
        const int bars = std::max(1, static_cast<int>(in.L / TieBarSpacing));
        for (int bar = 0; bar < bars; ++bar) {
            const double x = (bar + 0.5) * in.L / bars;
            svg.line({x, in.W - size / 2}, {x, in.W + size / 2},
                     "stroke=\"#404040\" stroke-width=\"" + svgCoordinate(size / 6) + "\"");
        }
    } else {
        svg.rect(shoulder, "shoulder", "fill=\"#f4f1e8\" stroke=\"#404040\" stroke-dasharray=\"6 4\"");
    }
    return shoulder;
}

// The shoulder's name: under the strip, or in it where the axles' labels leave no room under it.
void nameShoulder(SvgDrawing& svg, const AnalysisCase& record, const Box& shoulder,
                  std::vector<std::string>& notes) {
    const double size = svg.textSize();
    const std::string name = record.tiedShoulder ? "Tied concrete shoulder" : "Shoulder, not tied";
    const double under = shoulder.bottom + LabelGap * size + TextAscent * size;
    const double inside = centredBaseline((shoulder.top + shoulder.bottom) / 2, size);
    if (!svg.label({{{shoulder.left, under}, "start"},
                    {{shoulder.right, under}, "end"},
                    {{shoulder.left + LabelGap * size, inside}, "start"},
                    {{shoulder.right - LabelGap * size, inside}, "end"}},
                   name)) {
        notes.push_back(name);
    }
}

// The spacings of the first axle's tires and between its axles, and the distance between the tire
// groups of the two sides, each beside the tires on either side of the group.
void drawSpacings(SvgDrawing& svg, const AnalysisCase& record, const ComputationInputs& in,
                  const std::vector<Point>& tires, double a, std::vector<std::string>& notes) {
    const double size = svg.textSize();
    const bool dual = isDual(record.gear);
    const int axles = axleCount(record.gear);
    const std::size_t perAxle = dual ? 2 : 1;
    const std::size_t perSide = tires.size() / 2;
    const Point outer = tires.front();
    const double before = outer.x - a;
    const double after = tires[perSide - 1].x + a;
    const auto beside = [&](double top, double bottom) {
        std::vector<std::pair<DrawingPoint, DrawingPoint>> places;
        for (double offset : {size, 3 * size, 6 * size}) {
            places.push_back({{before - offset, top}, {before - offset, bottom}});
            places.push_back({{after + offset, top}, {after + offset, bottom}});
        }
        return places;
    };
    // The longest line first, the shortest last: the short ones find room in more places.
    const double groupOffset = dual ? in.S / 2.0 : 0.0;
    Dimension d(record, Field::d, "d");
    d.places = beside(outer.y - groupOffset, tires[perSide].y - groupOffset);
    drawDimension(svg, d, notes);
    if (dual) {
        Dimension s(record, Field::S, "s");
        s.places = beside(outer.y, tires[1].y);
        drawDimension(svg, s, notes);
    }
    if (axles > 1) {
        Dimension t(record, Field::t, "t");
        const Point next = tires[perAxle];
        const double outerSide[] = {outer.y + a, tires[perAxle - 1].y - a};
        const double innerSide[] = {tires[perSide].y + a, tires.back().y - a};
        for (double y : {outerSide[0] + 1.2 * size, innerSide[1] - 1.2 * size, outerSide[1] - 1.2 * size,
                         innerSide[0] + 1.2 * size}) {
            t.places.push_back({{outer.x, y}, {next.x, y}});
        }
        drawDimension(svg, t, notes);
    }
}

void drawWidenedLane(SvgDrawing& svg, const ComputationInputs& in) {
    svg.line({0, in.W - in.d0}, {in.L, in.W - in.d0},
             "class=\"lane-edge\" stroke=\"#c08000\" stroke-width=\"" + svgCoordinate(svg.textSize() / 8) +
                 "\" stroke-dasharray=\"8 5\"");
}

void drawLaneOffset(SvgDrawing& svg, const AnalysisCase& record, const ComputationInputs& in,
                    std::vector<std::string>& notes) {
    Dimension d0(record, Field::d0, "D0");
    for (double part : {0.92, 0.08, 0.75, 0.25, 0.5}) {
        d0.places.push_back({{in.L * part, in.W - in.d0}, {in.L * part, in.W}});
    }
    drawDimension(svg, d0, notes);
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
    SvgDrawing svg(TextPart * extent);
    const double size = svg.textSize();
    std::vector<std::string> notes;

    svg.rect({0, 0, in.L, in.W}, "slab",
             "fill=\"#eeeeea\" stroke=\"black\" stroke-width=\"" + svgCoordinate(size / 6) + "\"");
    const Box shoulder = drawShoulder(svg, record, in);
    if (record.widenedLane) {
        drawWidenedLane(svg, in);
    }
    if (radius) {
        for (const Point& tire : tires) {
            svg.circle(toDrawing(tire), a, "tire", "fill=\"#303030\" fill-opacity=\"0.8\"");
        }
    }

    // Around the drawing: the traffic and the length above it, the width at its left.
    drawTrafficArrow(svg, in.L, drawing.top - 3.5 * size);
    Dimension length(record, Field::L, "L");
    length.places = {{{0, drawing.top - size}, {in.L, drawing.top - size}}};
    drawDimension(svg, length, notes);
    Dimension width(record, Field::W, "W");
    width.places = {{{drawing.left - size, 0}, {drawing.left - size, in.W}}};
    width.verticalLabel = true;
    drawDimension(svg, width, notes);

    // The lane's offset first: it has room only in the narrow strip beside the edge.
    if (record.widenedLane) {
        drawLaneOffset(svg, record, in, notes);
    }
    if (radius) {
        drawSpacings(svg, record, in, tires, a, notes);
    }
    nameShoulder(svg, record, shoulder, notes);

    // Under everything drawn: what the plan shows, then the labels that found no room beside their lines.
    const double radiusInCaseUnits = inLengthUnit(a, record.units);
    std::vector<std::string> lines = {
        std::string(locationName(record.location)) + ", " + std::string(gearName(record.gear)) +
        (radius ? ": tire contact radius a = " + labelNumber(radiusInCaseUnits, 3) + " " +
                      lengthUnit(record, Field::S)
                : ": the tire contact radius cannot be computed from P and p")};
    lines.insert(lines.end(), notes.begin(), notes.end());
    for (const std::string& line : lines) {
        svg.labelAt({{drawing.left, svg.bounds().bottom + (LabelGap + TextAscent) * size}, "start"}, line);
    }
    return svg.document(PictureWidth, MarginPart * extent);
}

} // namespace korvanex
