// SPDX-License-Identifier: Apache-2.0
#include "formats/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace korvanex {

namespace {

// The picture's width on screen, in pixels; its height follows the drawing.
constexpr double PictureWidth = 720;
// The width of a character of the labels, about, as a part of the text size.
constexpr double CharacterWidth = 0.6;

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

} // namespace

void Box::include(double x, double y) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
}

std::string coordinate(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return std::string(buffer, result.ptr);
}

void SvgWriter::line(Point from, Point to, std::string_view style) {
    bounds_.include(from.x, from.y);
    bounds_.include(to.x, to.y);
    body_ += "<line x1=\"" + coordinate(from.x) + "\" y1=\"" + coordinate(from.y) + "\" x2=\"" +
             coordinate(to.x) + "\" y2=\"" + coordinate(to.y) + "\" " + std::string(style) + "/>\n";
}

void SvgWriter::rect(const Box& box, std::string_view cssClass, std::string_view style) {
    bounds_.include(box.left, box.top);
    bounds_.include(box.right, box.bottom);
    body_ += "<rect class=\"" + std::string(cssClass) + "\" x=\"" + coordinate(box.left) + "\" y=\"" +
             coordinate(box.top) + "\" width=\"" + coordinate(box.right - box.left) + "\" height=\"" +
             coordinate(box.bottom - box.top) + "\" " + std::string(style) + "/>\n";
}

void SvgWriter::circle(Point centre, double radius) {
    bounds_.include(centre.x - radius, centre.y - radius);
    bounds_.include(centre.x + radius, centre.y + radius);
    body_ += "<circle class=\"tire\" cx=\"" + coordinate(centre.x) + "\" cy=\"" + coordinate(centre.y) +
             "\" r=\"" + coordinate(radius) + "\" fill=\"#303030\" fill-opacity=\"0.8\"/>\n";
}

void SvgWriter::polygon(const std::vector<Point>& points, std::string_view style) {
    body_ += "<polygon points=\"";
    for (const Point& point : points) {
        bounds_.include(point.x, point.y);
        body_ += coordinate(point.x) + "," + coordinate(point.y) + " ";
    }
    body_ += "\" " + std::string(style) + "/>\n";
}

void SvgWriter::text(Point at, std::string_view anchor, std::string_view content, bool vertical) {
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

void SvgWriter::dimensionLine(Point from, Point to, std::string_view label, Point labelOffset,
                              std::string_view anchor) {
    dimensionLine(from, to);
    text({(from.x + to.x) / 2 + labelOffset.x, (from.y + to.y) / 2 + labelOffset.y}, anchor, label);
}

void SvgWriter::dimensionLine(Point from, Point to) {
    const std::string style = "stroke=\"#1f4e9a\" stroke-width=\"" + coordinate(textSize_ / 12) + "\"";
    line(from, to, style);
    const bool horizontal = std::fabs(to.y - from.y) < std::fabs(to.x - from.x);
    const double tick = textSize_ / 3;
    for (Point end : {from, to}) {
        line(horizontal ? Point{end.x, end.y - tick} : Point{end.x - tick, end.y},
             horizontal ? Point{end.x, end.y + tick} : Point{end.x + tick, end.y}, style);
    }
}

std::string SvgWriter::document(double margin) const {
    const Box view{bounds_.left - margin, bounds_.top - margin, bounds_.right + margin,
                   bounds_.bottom + margin};
    const double width = view.right - view.left;
    const double height = view.bottom - view.top;
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           coordinate(PictureWidth) + "\" height=\"" + coordinate(PictureWidth * height / width) +
           "\" viewBox=\"" + coordinate(view.left) + " " + coordinate(view.top) + " " + coordinate(width) +
           " " + coordinate(height) +
           "\" font-family=\"sans-serif\">\n"
           "<rect x=\"" +
           coordinate(view.left) + "\" y=\"" + coordinate(view.top) + "\" width=\"" + coordinate(width) +
           "\" height=\"" + coordinate(height) + "\" fill=\"white\"/>\n" + body_ + "</svg>\n";
}

} // namespace korvanex
