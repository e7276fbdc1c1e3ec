// SPDX-License-Identifier: Apache-2.0
#include "formats/svg_drawing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace korvanex {

namespace {

// Room kept free around a label, as a part of the text size.
constexpr double Clearance = 0.15;

// The advance of a character in the text size, at least that of DejaVu Sans, the widest of the common
// sans-serif fonts (Liberation Sans and the like take less): the narrow and wide characters by name,
// capitals, then every other character of ASCII; a character beyond ASCII as the widest.
constexpr std::pair<std::string_view, double> NamedAdvances[] = {
    {" .,:;'|!ijlI", 0.35},
    {"ftr()-/", 0.45},
    {"mwMW=+%&@", 1.0},
};
constexpr double CapitalAdvance = 0.8;
constexpr double OtherAdvance = 0.66;
constexpr double WidestAdvance = 1.0;

double characterAdvance(unsigned char c) {
    for (const auto& [characters, advance] : NamedAdvances) {
        if (characters.find(static_cast<char>(c)) != std::string_view::npos) {
            return advance;
        }
    }
    return c >= 'A' && c <= 'Z' ? CapitalAdvance : c < 0x80 ? OtherAdvance : WidestAdvance;
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

bool meetsAny(const DrawingBox& box, const std::vector<DrawingBox>& others) {
    return std::any_of(others.begin(), others.end(),
                       [&box](const DrawingBox& other) { return box.meets(other); });
}

DrawingBox boxOf(DrawingPoint from, DrawingPoint to) {
    return {std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x), std::max(from.y, to.y)};
}

} // namespace

void DrawingBox::include(double x, double y) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
}

void DrawingBox::include(const DrawingBox& box) {
    include(box.left, box.top);
    include(box.right, box.bottom);
}

DrawingBox DrawingBox::grown(double by) const {
    return {left - by, top - by, right + by, bottom + by};
}

bool DrawingBox::meets(const DrawingBox& other) const {
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
}

double estimatedTextWidth(std::string_view text, double textSize) {
    double width = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A character of several UTF-8 bytes counts once, by its first byte.
        if ((byte & 0xC0) != 0x80) {
            width += characterAdvance(byte);
        }
    }
    return width * textSize;
}

DrawingBox labelBox(const LabelSpot& spot, std::string_view text, double textSize) {
    const double length = estimatedTextWidth(text, textSize);
    const double start = spot.anchor == "start" ? 0 : spot.anchor == "middle" ? -length / 2 : -length;
    const double above = TextAscent * textSize;
    const double below = TextDescent * textSize;
    if (spot.vertical) {
        // Rotated by -90 degrees about the anchor point: the baseline runs upwards.
        return {spot.at.x - above, spot.at.y - start - length, spot.at.x + below, spot.at.y - start};
    }
    return {spot.at.x + start, spot.at.y - above, spot.at.x + start + length, spot.at.y + below};
}

std::string svgCoordinate(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

void SvgDrawing::line(DrawingPoint from, DrawingPoint to, std::string_view style) {
    bounds_.include(boxOf(from, to));
    lines_.push_back(boxOf(from, to));
    body_ += "<line x1=\"" + svgCoordinate(from.x) + "\" y1=\"" + svgCoordinate(from.y) + "\" x2=\"" +
             svgCoordinate(to.x) + "\" y2=\"" + svgCoordinate(to.y) + "\" " + std::string(style) + "/>\n";
}

void SvgDrawing::rect(const DrawingBox& box, std::string_view cssClass, std::string_view style) {
    bounds_.include(box);
    lines_.push_back({box.left, box.top, box.right, box.top});
    lines_.push_back({box.left, box.bottom, box.right, box.bottom});
    lines_.push_back({box.left, box.top, box.left, box.bottom});
    lines_.push_back({box.right, box.top, box.right, box.bottom});
    body_ += "<rect class=\"" + std::string(cssClass) + "\" x=\"" + svgCoordinate(box.left) + "\" y=\"" +
             svgCoordinate(box.top) + "\" width=\"" + svgCoordinate(box.right - box.left) + "\" height=\"" +
             svgCoordinate(box.bottom - box.top) + "\" " + std::string(style) + "/>\n";
}

void SvgDrawing::circle(DrawingPoint centre, double radius, std::string_view cssClass,
                        std::string_view style) {
    const DrawingBox box{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    bounds_.include(box);
    shapes_.push_back(box);
    body_ += "<circle class=\"" + std::string(cssClass) + "\" cx=\"" + svgCoordinate(centre.x) + "\" cy=\"" +
             svgCoordinate(centre.y) + "\" r=\"" + svgCoordinate(radius) + "\" " + std::string(style) +
             "/>\n";
}

void SvgDrawing::polygon(const std::vector<DrawingPoint>& points, std::string_view style) {
    DrawingBox box{points.front().x, points.front().y, points.front().x, points.front().y};
    body_ += "<polygon points=\"";
    for (const DrawingPoint& point : points) {
        box.include(point.x, point.y);
        body_ += svgCoordinate(point.x) + "," + svgCoordinate(point.y) + " ";
    }
    body_ += "\" " + std::string(style) + "/>\n";
    bounds_.include(box);
    shapes_.push_back(box);
}

bool SvgDrawing::labelFits(const LabelSpot& spot, std::string_view text) const {
    const DrawingBox box = labelBox(spot, text, textSize_).grown(Clearance * textSize_);
    return !meetsAny(box, labels_) && !meetsAny(box, lines_) && !meetsAny(box, shapes_);
}

std::optional<LabelSpot> SvgDrawing::label(const std::vector<LabelSpot>& spots, std::string_view text) {
    for (const LabelSpot& spot : spots) {
        if (labelFits(spot, text)) {
            labelAt(spot, text);
            return spot;
        }
    }
    return std::nullopt;
}

void SvgDrawing::labelAt(const LabelSpot& spot, std::string_view text) {
    const DrawingBox box = labelBox(spot, text, textSize_);
    bounds_.include(box);
    labels_.push_back(box);
    const std::string x = svgCoordinate(spot.at.x);
    const std::string y = svgCoordinate(spot.at.y);
    body_ += "<text x=\"" + x + "\" y=\"" + y + "\" text-anchor=\"" + std::string(spot.anchor) +
             "\" font-size=\"" + svgCoordinate(textSize_) + "\"";
    if (spot.vertical) {
        body_ += " transform=\"rotate(-90 " + x + " " + y + ")\"";
    }
    body_ += ">" + escaped(text) + "</text>\n";
}

DrawingBox SvgDrawing::dimensionLineBox(DrawingPoint from, DrawingPoint to) const {
    return boxOf(from, to).grown(textSize_ / 3);
}

bool SvgDrawing::dimensionLineFits(DrawingPoint from, DrawingPoint to) const {
    const DrawingBox box = dimensionLineBox(from, to);
    return !meetsAny(box.grown(Clearance * textSize_), labels_) && !meetsAny(box, shapes_) &&
           !meetsAny(box, dimensionLines_);
}

void SvgDrawing::dimensionLine(DrawingPoint from, DrawingPoint to) {
    dimensionLines_.push_back(dimensionLineBox(from, to));
    const std::string style = "stroke=\"#1f4e9a\" stroke-width=\"" + svgCoordinate(textSize_ / 12) + "\"";
    line(from, to, style);
    const bool horizontal = std::fabs(to.y - from.y) < std::fabs(to.x - from.x);
    const double tick = textSize_ / 3;
    for (DrawingPoint end : {from, to}) {
        line(horizontal ? DrawingPoint{end.x, end.y - tick} : DrawingPoint{end.x - tick, end.y},
             horizontal ? DrawingPoint{end.x, end.y + tick} : DrawingPoint{end.x + tick, end.y}, style);
    }
}

std::string SvgDrawing::document(double pictureWidth, double margin) const {
    const DrawingBox view = bounds_.grown(margin);
    const double width = view.right - view.left;
    const double height = view.bottom - view.top;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           svgCoordinate(pictureWidth) + "\" height=\"" + svgCoordinate(pictureWidth * height / width) +
           "\" viewBox=\"" + svgCoordinate(view.left) + " " + svgCoordinate(view.top) + " " +
           svgCoordinate(width) + " " + svgCoordinate(height) +
           "\" font-family=\"sans-serif\">\n"
           "<rect x=\"" +
           svgCoordinate(view.left) + "\" y=\"" + svgCoordinate(view.top) + "\" width=\"" +
           svgCoordinate(width) + "\" height=\"" + svgCoordinate(height) + "\" fill=\"white\"/>\n" + body_ +
           "</svg>\n";
}

} // namespace korvanex
