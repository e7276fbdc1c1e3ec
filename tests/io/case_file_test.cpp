// SPDX-License-Identifier: Apache-2.0
#include "io/case_file.h"

#include "../temporary_folder.h"

namespace korvanex {
namespace {

using Status = CaseFileReadResult::Status;

// The example file, written by hand: the English defaults with the default options, CR LF line ends.
const std::string ExampleText = contentsOf(KORVANEX_TEST_DATA "/cases/example.DEF");

// Line `number` (from 1) of a text whose lines all end with CR LF.
std::string lineOf(const std::string& text, std::size_t number) {
    std::size_t start = 0;
    for (std::size_t line = 1; line < number; ++line) {
        start = text.find("\r\n", start) + 2;
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

// A record whose every field text differs from every other one and from the defaults.
AnalysisCase distinctRecord(UnitSystem units) {
    AnalysisCase record = AnalysisCase::defaults(units);
    for (std::size_t index = 0; index < FieldCount; ++index) {
        record.text(static_cast<Field>(index)) = "7" + std::to_string(index) + ".25";
    }
    return record;
}

std::string texts(const AnalysisCase& record) {
    std::string all;
    for (std::size_t index = 0; index < FieldCount; ++index) {
        all += record.text(static_cast<Field>(index)) + ' ' + record.caption(static_cast<Field>(index)) + '|';
    }
    return all;
}

} // namespace

TEST(CaseFile, WritesTheExampleFileOfTheEnglishDefaults) {
    EXPECT_EQ(caseFileText(AnalysisCase::defaults(UnitSystem::English)), ExampleText);
}

// Each field's text goes to its own line and comes back from it; d, mu2 and r2 are not in the file.
TEST(CaseFile, RoundTripKeepsEveryTextOnItsOwnLine) {
    for (const UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        AnalysisCase written = distinctRecord(units);
        AnalysisCase read = AnalysisCase::defaults(units);
        ASSERT_EQ(parseCaseFile(caseFileText(written), read).status, Status::Loaded);
        AnalysisCase expected = written;
        expected.d = read.d;
        expected.mu2 = read.mu2;
        expected.r2 = read.r2;
        setFileCaptions(expected, units);
        EXPECT_EQ(texts(read), texts(expected));
    }
}

// The location, gear and layer lines (5, 7 and 14) of each option.
TEST(CaseFile, OptionLinesAreWrittenAndReadExactly) {
    using enum WheelLocation;
    using enum GearConfiguration;
    using enum LayerType;
    const struct {
        WheelLocation location;
        GearConfiguration gear;
        LayerType layer;
        const char* lines;
    } options[] = {
        {Edge, SingleSingle, OneLayer, "Edge Stress Analysis|Single-Single|OneLayer"},
        {Corner, SingleTandem, TwoLayerUnbonded, "Corner Stress Analysis|Single-Tandem|TwoLayer Unbond"},
        {Interior, SingleTridem, TwoLayerBonded, "Interior Stress Analysis|Single-Tridem|TwoLayer Bond"},
        {Edge, DualSingle, TwoLayerUnbonded, "Edge Stress Analysis|Dual-Single|TwoLayer Unbond"},
        {Corner, DualTandem, TwoLayerBonded, "Corner Stress Analysis|Dual-Tandem|TwoLayer Bond"},
        {Interior, DualTridem, OneLayer, "Interior Stress Analysis|Dual-Tridem|OneLayer"},
    };
    for (const auto& option : options) {
        AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
        record.location = option.location;
        record.gear = option.gear;
        record.layer = option.layer;
        const std::string text = caseFileText(record);
        EXPECT_EQ(lineOf(text, 5) + '|' + lineOf(text, 7) + '|' + lineOf(text, 14), option.lines);
        AnalysisCase read = AnalysisCase::defaults(UnitSystem::English);
        EXPECT_EQ(parseCaseFile(text, read).oneLayerFile, record.layer == OneLayer);
        EXPECT_EQ(read.location, record.location);
        EXPECT_EQ(read.gear, record.gear);
        EXPECT_EQ(read.layer, record.layer);
    }
}

// 88 in is 223.52 cm, shown with one decimal; 223.5 cm back is 87.99 in. The other texts stay as written.
TEST(CaseFile, UnitMarkerSwitchesTheSystemAndConvertsOnlyD) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    std::string metric = ExampleText;
    metric.replace(0, 11, "****SI****");
    ASSERT_EQ(parseCaseFile(metric, record).status, Status::Loaded);
    EXPECT_EQ(record.units, UnitSystem::Metric);
    EXPECT_EQ(record.d, "223.5");
    EXPECT_EQ(record.P, "18000");
    EXPECT_EQ(record.caption(Field::k), "Subgrade Modulus, K (kPa/mm)");
    ASSERT_EQ(parseCaseFile(ExampleText, record).status, Status::Loaded);
    EXPECT_EQ(record.units, UnitSystem::English);
    EXPECT_EQ(record.d, "87.99");
}

TEST(CaseFile, ABadOrShortFileChangesNothing) {
    std::string badHeader = ExampleText;
    badHeader.replace(badHeader.find("***Stress Analysis***"), 21, "***Stress analysis***");
    const std::string firstLines = ExampleText.substr(0, ExampleText.find("5.5E-06"));
    const std::pair<std::string, std::string> files[] = {
        {badHeader, "Incorrect Input File!"},
        {"", "The case file is empty: it ends before line 30."},
        {firstLines, "The case file ends at line 29, before line 30."},
    };
    for (const auto& [bytes, message] : files) {
        AnalysisCase record = distinctRecord(UnitSystem::Metric);
        const CaseFileReadResult result = parseCaseFile(bytes, record);
        EXPECT_NE(result.status, Status::Loaded);
        EXPECT_EQ(result.message, message);
        EXPECT_EQ(texts(record), texts(distinctRecord(UnitSystem::Metric)));
        EXPECT_EQ(record.units, UnitSystem::Metric);
    }
}

} // namespace korvanex
