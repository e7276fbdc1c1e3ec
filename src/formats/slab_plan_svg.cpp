// SPDX-License-Identifier: Apache-2.0
#include "formats/slab_plan_svg.h"

#include "case/fault.h"
#include "case/field_value.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "engine/tire_layout.h"
#include "formats/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace korvanex {

namespace {

// The shoulder drawn beside the outer edge, as a part of the slab width.
constexpr double ShoulderPart = 0.25;
// The text size and the room around everything drawn, as parts of the drawing's larger extent.
constexpr double TextPart = 0.04;
constexpr double MarginPart = 0.02;
// Tie bars across a tied shoulder's joint, about this far apart (in).
constexpr double TieBarSpacing = 30;

using Point = PlanPoint;

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

// "s = 12 in": the field's symbol, its value as the case holds it, and its unit.
std::string dimension(const AnalysisCase& record, Field field, std::string_view symbol) {
    return std::string(symbol) + " = " + labelNumber(numericPrefix(record.text(field))) + " " +
           lengthUnit(record, field);
}

std::string unusablePlan() {
    SvgWriter svg(12);
    svg.text({0, 0}, "middle", "The slab cannot be drawn: its length or width is not a positive number.");
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
    } catch (const FloatingPointFault&) {
        return unusablePlan();
    }
    if (!(in.L > 0) || !(in.W > 0)) {
        return unusablePlan();
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
