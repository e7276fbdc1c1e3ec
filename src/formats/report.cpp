// SPDX-License-Identifier: Apache-2.0
#include "formats/report.h"

#include "case/case_words.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "engine/analysis_driver.h"
#include "io/file_access.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace korvanex {

namespace {

constexpr std::string_view StarLine = "************************************************";

// The most lines a report can have (every optional line written), so that the list never grows.
constexpr std::size_t MaxReportLines = 80;

// The column at which the title of the analysis starts.
std::size_t titleColumn(WheelLocation location) {
    switch (location) {
    case WheelLocation::Edge:
        return 23;
    case WheelLocation::Corner:
        return 22;
    case WheelLocation::Interior:
        break;
    }
    return 21;
}

// Composes the report section by section; each line is assembled in one string sized up front.
class ReportWriter {
  public:
    ReportWriter(const AnalysisCase& record, const AnalysisResults& results)
        : record_(record), results_(results), unit_(stressUnitWord(record.units)) {
        lines_.reserve(MaxReportLines);
    }

    void head();
    void edgeModel();
    void stressResults();
    void adjustmentFactors();

    std::vector<std::string> take() { return std::move(lines_); }

  private:
    void blank() { lines_.emplace_back(); }

    // A line whose text starts at the given column (counted from 1), the parts following each other.
    void line(std::size_t column, std::initializer_list<std::string_view> parts) {
        std::size_t size = column - 1;
        for (std::string_view part : parts) {
            size += part.size();
        }
        std::string& text = lines_.emplace_back();
        text.reserve(size);
        text.append(column - 1, ' ');
        for (std::string_view part : parts) {
            text.append(part);
        }
    }

    // An input echo line: the field's caption as it stands and its text in the given pattern.
    void input(Field field, int decimals) {
        line(10, {record_.caption(field), " = ", formatFieldText(record_.text(field), decimals)});
    }

    std::string stress(float psi) const { return formatFixed(inStressUnit(psi, record_.units), 1); }
    static std::string factor(float value) { return formatFixed(value, 3); }

    bool twoLayers() const { return record_.layer != LayerType::OneLayer; }
    // A negative temperature differential counts as its absolute value, so only zero has no curling.
    bool curling() const { return numericPrefix(record_.F) != 0.0; }

    const AnalysisCase& record_;
    const AnalysisResults& results_;
    const std::string_view unit_;
    std::vector<std::string> lines_;
};

void ReportWriter::head() {
    blank();
    blank();
    line(10, {StarLine});
    line(titleColumn(record_.location), {wordOf(LocationTitles, record_.location)});
    line(10, {"               Original  Data"});
    line(10, {StarLine});

    line(10, {"Gear Configuration (Wheel-Axle)", " : ", gearName(record_.gear)});
    input(Field::P, 0);
    input(Field::tp, 2);
    input(Field::S, 2);
    input(Field::t, 2);
    input(Field::d, 2);

    line(10, {"Layer", " : ", layerName(record_.layer)});
    input(Field::h1, 2);
    input(Field::E1, 1);
    input(Field::r1, 3);
    input(Field::mu1, 2);
    if (twoLayers()) {
        input(Field::h2, 2);
        input(Field::E2, 0);
    }
    input(Field::L, 2);
    input(Field::W, 2);
    input(Field::k, 2);

    line(10, {"Tied Concrete Shoulder", " : ", wordOf(YesNoWords, record_.tiedShoulder)});
    if (record_.tiedShoulder) {
        input(Field::AGG, 2);
    }
    line(10, {"Widened Outer Lane", " : ", wordOf(YesNoWords, record_.widenedLane)});
    if (record_.widenedLane) {
        input(Field::d0, 2);
    }
    input(Field::F, 2);
    input(Field::alp, 7);
    line(10, {StarLine});
    blank();
}

void ReportWriter::edgeModel() {
    blank();
    blank();
    line(10, {"     MERIDOC Edge Stress Analysis Results      "});
    line(10, {StarLine});
    line(10, {"Edge Stress Infinite Slab (", unit_, ") = ", stress(results_.MdEdgeInfSlab)});
    line(12, {"Slab Size Effect Factor = ", factor(results_.MdSlabSize)});
    line(12, {"Tied Concrete Shoulder Factor = ", factor(results_.MdTiedShoulder)});
    line(12, {"Widened Outer Lane Factor = ", factor(results_.MdWidenedLane)});
    line(12, {"Second Layer Factor = ", factor(results_.MdSecondLayer)});
    line(10, {"Slab Edge Stress Top Layer, ", unit_, " = ", stress(results_.MdTopLayerStress)});
    if (curling()) {
        line(12, {"Edge Curling Stress, ", unit_, " = ", stress(results_.MdCurlStress)});
        line(10,
             {"Combined Slab Edge Stress (Load & Curl), ", unit_, " = ", stress(results_.MdCombinedStress)});
    }
    if (twoLayers()) {
        line(10, {"Slab Edge Stress Bottom Layer, ", unit_, " = ", stress(results_.MdBottomLayerStress)});
    }
    line(10, {StarLine});
}

void ReportWriter::stressResults() {
    blank();
    line(10, {"             Stress Analysis Results       "});
    line(10, {StarLine});
    line(10, {"Infinite Slab Stress (", unit_, ") = ", stress(results_.InfiniteSlabStress)});
    line(12, {"Slab Size Effect Factor = ", factor(results_.SlabSizeFactor)});
    line(12, {"Tied Concrete Shoulder Factor = ", factor(results_.TiedFactor)});
    line(12, {"Widened Outer Lane Factor = ", factor(results_.WidenedFactor)});
    line(12, {"Second Layer Factor = ", factor(results_.SecondLayerFactor)});
    line(10, {"Loading Stress Only (", unit_, ") = ", stress(results_.LoadingStressOnly)});
    if (curling()) {
        // At the edge the ordinary slab size factor stands for the one with loss of support.
        const bool edge = record_.location == WheelLocation::Edge;
        const std::string_view curlPlace = edge ? "Edge" : "Interior";
        line(12,
             {"Westergaard ", curlPlace, " Curling Stress (", unit_, ") = ", stress(results_.CurlStress)});
        line(12, {"Slab Size Effect Factor (w/ Loss of Support) = ",
                  factor(edge ? results_.SlabSizeFactor : results_.SlabSizeLosFactor)});
        line(12, {"Loading & Thermal Curling Factor", " = ", factor(results_.LoadCurlFactor)});
        line(10, {"Combined Loading & Curling Stress (", unit_, ") = ", stress(results_.CombinedStress)});
    }
    line(10, {StarLine});
}

void ReportWriter::adjustmentFactors() {
    blank();
    blank();
    line(10, {"               Adjustment Factors"});
    line(10, {StarLine});
    const double radius = inLengthUnit(results_.l, record_.units);
    line(10, {" Radius of Relative stiffness (", lengthUnitWord(record_.units), ")", " = ",
              formatFixed(radius, 2)});
    line(10, {" Westergaard Stress (", unit_, ") = ", stress(results_.WestergaardStress)});
    line(10, {" Gear Configuration Factor", " = ", factor(results_.GearFactor)});
    line(10, {" Other Transverse Wheels Factor = ", factor(results_.OtherWheelsFactor)});
    line(10, {" Loading & Thermal Curling Factor", " = ", factor(results_.LoadCurlFactor)});

    struct Ratio {
        std::string_view label;
        float value;
    };
    const Ratio ratios[] = {
        {" L/l", results_.L_l},       {" W/l", results_.W_l},   {" a/l", results_.a_l},
        {" s/l", results_.s_l},       {" t/l", results_.t_l},   {" d/l", results_.d_l},
        {" ADT", results_.ADT},       {" DP", results_.DP},     {" DG", results_.DG},
        {" AGG/kl", results_.AGG_kl}, {" D0/l", results_.D0_l},
    };
    for (const Ratio& ratio : ratios) {
        line(10, {ratio.label, " = ", factor(ratio.value)});
    }
    line(10, {StarLine});
}

} // namespace

std::vector<std::string> WriteReport(const AnalysisCase& record, bool detailed,
                                     const AnalysisResults& results) {
    ReportWriter writer(record, results);
    writer.head();
    if (runsEdgeStressModel(record)) {
        writer.edgeModel();
    }
    writer.stressResults();
    if (detailed) {
        writer.adjustmentFactors();
    }
    return writer.take();
}

std::vector<std::string> reportInputLines(const AnalysisCase& record) {
    const AnalysisResults none;
    ReportWriter writer(record, none);
    writer.head();
    return writer.take();
}

std::string reportFileText(const std::vector<std::string>& lines) {
    constexpr std::string_view LineEnd = "\r\n";
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + LineEnd.size();
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text.append(line);
        text.append(LineEnd);
    }
    return text;
}

std::string writeReportFile(const std::string& path, const std::vector<std::string>& lines) {
    return writeFileAtomically(path, reportFileText(lines));
}

} // namespace korvanex
