// SPDX-License-Identifier: Apache-2.0
#include "formats/plate_contour_svg.h"

#include "case/case_words.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "formats/plate_text.h"
#include "formats/svg_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace korvanex {

namespace {

// The text size and the room around everything drawn, as parts of the drawing's larger extent.
constexpr double TextPart = 0.03;
constexpr double MarginPart = 0.02;
// About this many bands between the smallest and the largest stress.
constexpr double BandsWanted = 10;

// The picture's width on screen, in pixels; its height follows the drawing.
constexpr double PictureWidth = 720;

// The bands of the key: edges from `low` up by `step`, in the case's stress unit.
struct Bands {
    double low;
    double step;
    int count;
    int decimals;   // of an edge's label
    double largest; // the largest magnitude of a cell's stress

    int of(double value) const {
        return std::clamp(static_cast<int>(std::floor((value - low) / step)), 0, count - 1);
    }
    double edge(int index) const { return low + index * step; }
};

// A round step of 1, 2, 2.5 or 5 times a power of ten that cuts the span into about ten bands.
double roundStep(double span) {
    if (!(span > 0)) {
        return 1;
    }
    const double raw = span / BandsWanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
        if (mantissa * power >= raw) {
            return mantissa * power;
        }
    }
    return 10 * power;
}

int decimalsOf(double step) {
    int decimals = 0;
    while (decimals < 4 &&
           std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6) {
        ++decimals;
    }
    return decimals;
}

// The stress of a cell of a grid, in the case's unit: the mean of its four nodes.
double cellStress(const PlateGridValues& grid, PlateState state, PlateFace face, std::size_t i, std::size_t j,
                  UnitSystem units) {
    const double sum = static_cast<double>(grid.at(state, i, j).stress(face)) +
                       grid.at(state, i + 1, j).stress(face) + grid.at(state, i, j + 1).stress(face) +
                       grid.at(state, i + 1, j + 1).stress(face);
    return inStressUnit(sum / 4, units);
}

Bands bandsOf(const PlateResults& results, PlateState state, PlateFace face, UnitSystem units) {
    double lowest = HUGE_VAL, highest = -HUGE_VAL;
    for (const PlateGridValues& grid : results.grids) {
        for (std::size_t j = 0; j + 1 < grid.y.size(); ++j) {
            for (std::size_t i = 0; i + 1 < grid.x.size(); ++i) {
                const double stress = cellStress(grid, state, face, i, j, units);
                lowest = std::min(lowest, stress);
                highest = std::max(highest, stress);
            }
        }
    }
    const double step = roundStep(highest - lowest);
    const double low = std::floor(lowest / step) * step;
    const int count = std::max(1, static_cast<int>(std::ceil((highest - low) / step - 1e-9)));
    return {low, step, count, decimalsOf(step), std::max(std::fabs(lowest), std::fabs(highest))};
}

// The shades of tension, from none to the largest, and of compression (red to blue through pale yellow,
// as diverging colour maps for stresses run).
struct Colour {
    double red, green, blue;
};
constexpr Colour TensionShades[] = {
    {255, 255, 255}, {254, 224, 144}, {253, 174, 97}, {244, 109, 67}, {165, 0, 38}};
constexpr Colour CompressionShades[] = {
    {255, 255, 255}, {224, 243, 248}, {171, 217, 233}, {116, 173, 209}, {49, 54, 149}};

std::string colourText(const Colour (&shades)[5], double share) {
    const double position = share * 4;
    const auto index = static_cast<std::size_t>(std::min(3.0, std::floor(position)));
    const double part = position - static_cast<double>(index);
    const Colour& from = shades[index];
    const Colour& to = shades[index + 1];
    const auto mix = [part](double a, double b) { return static_cast<int>(std::lround(a + (b - a) * part)); };
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", mix(from.red, to.red), mix(from.green, to.green),
                  mix(from.blue, to.blue));
    return text;
}

// A band's colour by its middle against the largest magnitude of the cells' stresses: white for a slab
// without stress.
std::string bandColour(const Bands& bands, int index) {
    const double middle = bands.edge(index) + bands.step / 2;
    const double share = bands.largest > 0 ? std::min(1.0, std::fabs(middle) / bands.largest) : 0;
    return colourText(middle >= 0 ? TensionShades : CompressionShades, share);
}

// A cell's fill, its edges drawn in the same colour so that no seam shows between cells.
std::string cellStyle(const Bands& bands, int band, double seam) {
    const std::string colour = bandColour(bands, band);
    return "fill=\"" + colour + "\" stroke=\"" + colour + "\" stroke-width=\"" + svgCoordinate(seam) + "\"";
}

// The cells of a grid, each row's runs of one band as one rectangle.
void drawCells(SvgDrawing& svg, const PlateGridValues& grid, PlateState state, PlateFace face,
               const Bands& bands, UnitSystem units) {
    for (std::size_t j = 0; j + 1 < grid.y.size(); ++j) {
        std::size_t start = 0;
        for (std::size_t i = 1; i < grid.x.size(); ++i) {
            const int band = bands.of(cellStress(grid, state, face, start, j, units));
            const bool runEnds =
                i + 1 == grid.x.size() || bands.of(cellStress(grid, state, face, i, j, units)) != band;
            if (runEnds) {
                svg.rect({grid.x[start], grid.y[j], grid.x[i], grid.y[j + 1]}, "band",
                         cellStyle(bands, band, svg.textSize() / 40));
                start = i;
            }
        }
    }
}

void drawOutlines(SvgDrawing& svg, const PlateModel& model) {
    const std::string stroke =
        "fill=\"none\" stroke=\"black\" stroke-width=\"" + svgCoordinate(svg.textSize() / 8) + "\"";
    svg.rect({0, 0, model.length, model.width}, "slab", stroke);
    if (model.shoulderWidth > 0) {
        svg.rect({0, model.width, model.length, model.width + model.shoulderWidth}, "shoulder tied",
                 stroke + " stroke-dasharray=\"6 4\"");
    }
    for (const PlateTire& tire : model.tires) {
        const double half = tire.side / 2;
        svg.rect({tire.centre.x - half, tire.centre.y - half, tire.centre.x + half, tire.centre.y + half},
                 "tire",
                 "fill=\"#303030\" fill-opacity=\"0.25\" stroke=\"#202020\" stroke-width=\"" +
                     svgCoordinate(svg.textSize() / 10) + "\"");
    }
}

void drawLargest(SvgDrawing& svg, const PlateFaceStress& largest, UnitSystem units) {
    const double size = svg.textSize() / 2;
    const DrawingPoint at{largest.at.x, largest.at.y};
    svg.polygon({{at.x, at.y - size}, {at.x + size, at.y}, {at.x, at.y + size}, {at.x - size, at.y}},
                "class=\"largest\" fill=\"black\"");
    svg.labelAt({{at.x + 1.5 * size, at.y - size}, "start"},
                formatFixed(inStressUnit(largest.stress, units), 1) + " " +
                    std::string(stressUnitWord(units)));
}

// The key beside the plates: one box a band, the largest on top, its edges labelled.
void drawKey(SvgDrawing& svg, const Bands& bands, double left, UnitSystem units) {
    const double size = svg.textSize();
    const double height = 1.2 * size;
    svg.labelAt({{left, size}, "start"}, "Stress (" + std::string(stressUnitWord(units)) + ")");
    for (int band = bands.count - 1; band >= 0; --band) {
        const double top = 2 * size + (bands.count - 1 - band) * height;
        svg.rect({left, top, left + 1.5 * size, top + height}, "key",
                 "fill=\"" + bandColour(bands, band) + "\" stroke=\"#606060\" stroke-width=\"" +
                     svgCoordinate(size / 20) + "\"");
        svg.labelAt({{left + 2 * size, top + height / 2 + size / 3}, "start"},
                    formatFixed(bands.edge(band), bands.decimals) + " to " +
                        formatFixed(bands.edge(band + 1), bands.decimals));
    }
}

} // namespace

std::string plateContourSvg(const AnalysisCase& record, const PlateModel& model, const PlateResults& results,
                            PlateState state, PlateMesh mesh) {
    const PlateResponse& response = results.response(state);
    const PlateFace face = response.criticalFace();
    const double height = model.width + model.shoulderWidth;
    const double extent = std::max(model.length, height);
    SvgDrawing svg(TextPart * extent);
    const Bands bands = bandsOf(results, state, face, record.units);
    for (const PlateGridValues& grid : results.grids) {
        drawCells(svg, grid, state, face, bands, record.units);
    }
    drawOutlines(svg, model);
    drawLargest(svg, response.stress(face), record.units);
    drawKey(svg, bands, model.length + svg.textSize(), record.units);
    const double size = svg.textSize();
    svg.labelAt({{0, height + 1.5 * size}, "start"},
                "Largest principal stress at the " + std::string(wordOf(PlateFaceWords, face)) +
                    " of the slab, " + std::string(plateStateName(state)) + "; tension positive");
    svg.labelAt({{0, height + 3 * size}, "start"},
                std::string(locationName(record.location)) + ", " + std::string(gearName(record.gear)) +
                    ", " + std::string(wordOf(PlateMeshWords, mesh)) + " mesh of " +
                    std::to_string(results.elementCount) + " elements");
    return svg.document(PictureWidth, MarginPart * extent);
}

} // namespace korvanex
