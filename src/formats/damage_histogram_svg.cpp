// SPDX-License-Identifier: Apache-2.0
#include "formats/damage_histogram_svg.h"

#include "case/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace korvanex {

namespace {

constexpr double Width = 720, Height = 400;
constexpr double Left = 70, Right = 40, Top = 40, Bottom = 70;
// The slots of the axis a bar beside it takes: two for the bar, two for the room around it.
constexpr double SideSlots = 4;
constexpr int BarsPerDecade = 5;
constexpr int MostDecades = 12;
constexpr double TextSize = 12;

// A bar beside the axis: its caption and its samples.
struct SideBar {
    const char* caption;
    std::uint64_t samples;
};

struct Bins {
    int firstDecade = 0, decades = 1;
    std::vector<std::uint64_t> counts; // BarsPerDecade a decade
    std::uint64_t zero = 0, beyond = 0, faulted = 0;
};

std::string number(double value) {
    char buffer[32];
    return std::string(buffer,
                       std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr);
}

Bins binsOf(const SimulatedDamage& damage, double targetPercent) {
    Bins bins;
    bins.faulted = damage.faults.size();
    double least = targetPercent, largest = targetPercent;
    for (std::uint64_t sample = 0; sample < damage.damagePercent.size(); ++sample) {
        const double value = damage.damagePercent[sample];
        if (value > 0 && std::isfinite(value) && !damage.faults.contains(sample)) {
            least = std::min(least, value);
            largest = std::max(largest, value);
        }
    }
    const int last = static_cast<int>(std::floor(std::log10(largest))) + 1;
    const int targetDecade = static_cast<int>(std::floor(std::log10(targetPercent)));
    bins.firstDecade =
        std::max(static_cast<int>(std::floor(std::log10(least))), std::min(last - MostDecades, targetDecade));
    bins.decades = last - bins.firstDecade;
    bins.counts.assign(static_cast<std::size_t>(bins.decades * BarsPerDecade), 0);
    for (std::uint64_t sample = 0; sample < damage.damagePercent.size(); ++sample) {
        const double value = damage.damagePercent[sample];
        if (damage.faults.contains(sample)) {
            continue;
        }
        if (value == 0 || std::isinf(value)) {
            ++(value == 0 ? bins.zero : bins.beyond);
            continue;
        }
        const double position = (std::log10(value) - bins.firstDecade) * BarsPerDecade;
        const auto bar =
            static_cast<std::size_t>(std::clamp(std::floor(position), 0.0, bins.counts.size() - 1.0));
        ++bins.counts[bar];
    }
    return bins;
}

// A decade's label: "0.01" to "100000", beyond that "1E+07".
std::string decadeText(int decade) {
    if (decade >= -3 && decade <= 5) {
        return formatFixed(std::pow(10.0, decade), std::max(0, -decade));
    }
    return std::string("1E") + (decade < 0 ? "-" : "+") + (std::abs(decade) < 10 ? "0" : "") +
           std::to_string(std::abs(decade));
}

// Round steps of the sample axis: 1, 2 or 5 times a power of ten, about five of them.
double countStep(std::uint64_t most) {
    const double rough = std::max(1.0, most / 5.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double multiple : {1.0, 2.0, 5.0}) {
        if (multiple * power >= rough) {
            return multiple * power;
        }
    }
    return 10 * power;
}

class Picture {
  public:
    void rect(double x, double y, double width, double height, const char* style) {
        body_ += "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width) +
                 "\" height=\"" + number(height) + "\" " + style + "/>\n";
    }
    void line(double x1, double y1, double x2, double y2, const char* style) {
        body_ += "<line x1=\"" + number(x1) + "\" y1=\"" + number(y1) + "\" x2=\"" + number(x2) + "\" y2=\"" +
                 number(y2) + "\" " + style + "/>\n";
    }
    void text(double x, double y, const char* anchor, const std::string& words) {
        body_ += "<text x=\"" + number(x) + "\" y=\"" + number(y) + "\" text-anchor=\"" + anchor + "\">" +
                 words + "</text>\n";
    }
    std::string document() const {
        return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(Width) + "\" height=\"" +
               number(Height) + "\" viewBox=\"0 0 " + number(Width) + " " + number(Height) +
               "\" font-family=\"sans-serif\" font-size=\"" + number(TextSize) + "\">\n<rect width=\"" +
               number(Width) + "\" height=\"" + number(Height) + "\" fill=\"white\"/>\n" + body_ + "</svg>\n";
    }

  private:
    std::string body_;
};

} // namespace

std::string damageHistogramSvg(const SimulatedDamage& damage, double targetPercent) {
    const Bins bins = binsOf(damage, targetPercent);
    std::vector<SideBar> left, right;
    if (bins.zero > 0) {
        left.push_back({"0", bins.zero});
    }
    for (const SideBar& side : {SideBar{"beyond range", bins.beyond}, SideBar{"faulted", bins.faulted}}) {
        if (side.samples > 0) {
            right.push_back(side);
        }
    }
    const double slots =
        static_cast<double>(bins.counts.size()) + SideSlots * static_cast<double>(left.size() + right.size());
    const double slot = (Width - Left - Right) / slots;
    const double axisLeft = Left + SideSlots * slot * static_cast<double>(left.size());
    const double axisRight = axisLeft + slot * static_cast<double>(bins.counts.size());
    std::uint64_t most = 1;
    for (std::uint64_t count : bins.counts) {
        most = std::max(most, count);
    }
    for (const std::vector<SideBar>* sides : {&left, &right}) {
        for (const SideBar& side : *sides) {
            most = std::max(most, side.samples);
        }
    }
    const double step = countStep(most);
    const double scaleTop = step * std::ceil(static_cast<double>(most) / step);
    const double baseline = Height - Bottom;
    const auto heightOf = [&](std::uint64_t count) {
        return (baseline - Top) * static_cast<double>(count) / scaleTop;
    };

    Picture picture;
    picture.text(Width / 2, Top / 2 + TextSize / 2, "middle",
                 "Total damage of " + std::to_string(damage.damagePercent.size()) + " samples");
    for (double count = 0; count <= scaleTop; count += step) {
        const double y = baseline - heightOf(static_cast<std::uint64_t>(count));
        picture.line(Left, y, Width - Right, y, "stroke=\"#e0e0e0\"");
        picture.text(Left - 6, y + TextSize / 3, "end", formatFixed(count, 0));
    }
    for (std::size_t bar = 0; bar < bins.counts.size(); ++bar) {
        const double x = axisLeft + slot * static_cast<double>(bar);
        picture.rect(x, baseline - heightOf(bins.counts[bar]), slot, heightOf(bins.counts[bar]),
                     "fill=\"#4a78b0\" stroke=\"white\" stroke-width=\"0.5\"");
    }
    for (int decade = 0; decade <= bins.decades; ++decade) {
        const double x = axisLeft + slot * BarsPerDecade * decade;
        picture.line(x, baseline, x, baseline + 5, "stroke=\"black\"");
        picture.text(x, baseline + 5 + TextSize, "middle", decadeText(bins.firstDecade + decade));
    }
    const auto drawSide = [&](const SideBar& side, double x) {
        picture.rect(x, baseline - heightOf(side.samples), 2 * slot, heightOf(side.samples),
                     "fill=\"#a0a0a0\"");
        picture.text(x + slot, baseline + 5 + TextSize, "middle", side.caption);
    };
    for (std::size_t index = 0; index < left.size(); ++index) {
        drawSide(left[index], Left + SideSlots * slot * static_cast<double>(index));
    }
    for (std::size_t index = 0; index < right.size(); ++index) {
        drawSide(right[index], axisRight + slot * (SideSlots / 2 + SideSlots * static_cast<double>(index)));
    }
    picture.line(axisLeft, baseline, axisRight, baseline, "stroke=\"black\"");
    const double target = axisLeft + slot * BarsPerDecade * (std::log10(targetPercent) - bins.firstDecade);
    picture.line(target, Top, target, baseline,
                 "stroke=\"#c03030\" stroke-width=\"1.5\" stroke-dasharray=\"6 4\"");
    picture.text(target + 4, Top + TextSize, "start", "target " + doubleText(targetPercent) + " %");
    picture.text((axisLeft + axisRight) / 2, Height - Bottom / 3, "middle",
                 "Total damage (%), logarithmic scale");
    picture.text(Left, Top - TextSize / 2, "end", "Samples");
    return picture.document();
}

} // namespace korvanex
