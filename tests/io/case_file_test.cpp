#include "io/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace korvanex {
namespace {

namespace fs = std::filesystem;
using Status = CaseFileReadResult::Status;

constexpr std::array<WheelLocation, 3> AllLocations = {WheelLocation::Interior, WheelLocation::Edge,
                                                       WheelLocation::Corner};
constexpr std::array<GearConfiguration, 6> AllGears = {
    GearConfiguration::SingleSingle, GearConfiguration::SingleTandem, GearConfiguration::SingleTridem,
    GearConfiguration::DualSingle,   GearConfiguration::DualTandem,   GearConfiguration::DualTridem};
constexpr std::array<LayerType, 3> AllLayers = {LayerType::OneLayer, LayerType::TwoLayerBonded,
                                                LayerType::TwoLayerUnbonded};

Field fieldAt(std::size_t index) {
    return static_cast<Field>(index);
}

void expectSameRecord(const AnalysisCase& actual, const AnalysisCase& expected) {
    EXPECT_EQ(actual.units, expected.units);
    for (std::size_t index = 0; index < FieldCount; ++index) {
        const Field field = fieldAt(index);
        EXPECT_EQ(actual.text(field), expected.text(field)) << "text of " << fieldName(field);
        EXPECT_EQ(actual.caption(field), expected.caption(field)) << "caption of " << fieldName(field);
    }
    EXPECT_EQ(actual.location, expected.location);
    EXPECT_EQ(actual.gear, expected.gear);
    EXPECT_EQ(actual.layer, expected.layer);
    EXPECT_EQ(actual.tiedShoulder, expected.tiedShoulder);
    EXPECT_EQ(actual.widenedLane, expected.widenedLane);
}

// The example file, written by hand: the English defaults with the default options (Edge, Dual-Single,
// One Layer), CR LF after every line.
std::vector<std::string> exampleLines() {
    std::ifstream file(std::string(KORVANEX_TEST_DATA) + "/cases/example.DEF", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line.substr(0, line.size() - 1)); // without its CR
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view lineEnd = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

// Line `number` (from 1) of a text whose lines all end with CR LF.
std::string lineOf(const std::string& text, std::size_t number) {
    std::size_t start = 0;
    for (std::size_t line = 1; line < number; ++line) {
        start = text.find("\r\n", start) + 2;
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

// A record whose every field and option differs from the defaults, to see what a read changes.
AnalysisCase alteredRecord(UnitSystem units) {
    AnalysisCase record = AnalysisCase::defaults(units);
    for (std::size_t index = 0; index < FieldCount; ++index) {
        record.text(fieldAt(index)) = "7" + std::to_string(index) + ".25";
    }
    record.location = WheelLocation::Corner;
    record.gear = GearConfiguration::SingleTridem;
    record.layer = LayerType::TwoLayerUnbonded;
    record.tiedShoulder = true;
    record.widenedLane = true;
    return record;
}

// A record after the example file's texts and options have been applied; units and captions are left
// to the caller.
AnalysisCase withExampleValues(AnalysisCase record) {
    record.location = WheelLocation::Edge;
    record.gear = GearConfiguration::DualSingle;
    record.layer = LayerType::OneLayer;
    record.P = "18000";
    record.tp = "100";
    record.S = "12";
    record.t = "50";
    record.h1 = "9.5";
    record.h2 = "6";
    record.E1 = "4000000";
    record.E2 = "2000000";
    record.r1 = "0.087";
    record.mu1 = "0.15";
    record.L = "15";
    record.W = "12";
    record.k = "130";
    record.AGG = "25000";
    record.d0 = "24";
    record.F = "0";
    record.alp = "5.5E-06";
    return record;
}

class TemporaryFolder {
  public:
    TemporaryFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("korvanex_case_file_" + std::to_string(::getpid()) + "_" + test->name());
        fs::remove_all(path_);
        fs::create_directory(path_);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

  private:
    fs::path path_;
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string systemMessage(int error) {
    return std::generic_category().message(error);
}

TEST(CaseFileText, WritesTheExampleFileOfTheEnglishDefaults) {
    const std::vector<std::string> lines = exampleLines();
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(caseFileText(AnalysisCase::defaults(UnitSystem::English)), joinLines(lines));
}

TEST(CaseFileText, WritesTheMarkerOptionsAndFieldTextsAsTheyAre) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    record.P = " 80.1 kN";
    record.alp = std::string("9\xff\x00x", 4);
    record.mu1 = "";
    const std::string text = caseFileText(record);
    EXPECT_EQ(lineOf(text, 1), "****SI****");
    EXPECT_EQ(lineOf(text, 9), " 80.1 kN");
    EXPECT_EQ(lineOf(text, 21), "");
    EXPECT_EQ(lineOf(text, 30), std::string("9\xff\x00x", 4));
    EXPECT_EQ(lineOf(text, 32), "Stress Analysis Data End");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

    const std::array<std::pair<WheelLocation, const char*>, 3> locations = {{
        {WheelLocation::Edge, "Edge Stress Analysis"},
        {WheelLocation::Corner, "Corner Stress Analysis"},
        {WheelLocation::Interior, "Interior Stress Analysis"},
    }};
    for (const auto& [location, line] : locations) {
        record.location = location;
        EXPECT_EQ(lineOf(caseFileText(record), 5), line);
    }
    const std::array<std::pair<GearConfiguration, const char*>, 6> gears = {{
        {GearConfiguration::SingleSingle, "Single-Single"},
        {GearConfiguration::SingleTandem, "Single-Tandem"},
        {GearConfiguration::SingleTridem, "Single-Tridem"},
        {GearConfiguration::DualSingle, "Dual-Single"},
        {GearConfiguration::DualTandem, "Dual-Tandem"},
        {GearConfiguration::DualTridem, "Dual-Tridem"},
    }};
    for (const auto& [gear, line] : gears) {
        record.gear = gear;
        EXPECT_EQ(lineOf(caseFileText(record), 7), line);
    }
    const std::array<std::pair<LayerType, const char*>, 3> layers = {{
        {LayerType::OneLayer, "OneLayer"},
        {LayerType::TwoLayerUnbonded, "TwoLayer Unbond"},
        {LayerType::TwoLayerBonded, "TwoLayer Bond"},
    }};
    for (const auto& [layer, line] : layers) {
        record.layer = layer;
        EXPECT_EQ(lineOf(caseFileText(record), 14), line);
    }
}

TEST(CaseFileRoundTrip, GivesTheSameRecordForEveryOptionInBothUnitSystems) {
    TemporaryFolder folder;
    const std::string path = folder.file("case.DEF");
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        for (WheelLocation location : AllLocations) {
            for (GearConfiguration gear : AllGears) {
                for (LayerType layer : AllLayers) {
                    SCOPED_TRACE(std::string(locationName(location)) + " " + std::string(gearName(gear)) +
                                 " " + std::string(layerName(layer)) +
                                 (units == UnitSystem::Metric ? " metric" : " english"));
                    AnalysisCase written = AnalysisCase::defaults(units);
                    for (std::size_t index = 0; index < FieldCount; ++index) {
                        written.text(fieldAt(index)) = std::to_string(index + 1) + ".5";
                    }
                    written.location = location;
                    written.gear = gear;
                    written.layer = layer;

                    AnalysisCase read = AnalysisCase::defaults(units);
                    read.location = AllLocations[(static_cast<std::size_t>(location) + 1) % 3];
                    read.gear = AllGears[(static_cast<std::size_t>(gear) + 1) % 6];
                    read.layer = AllLayers[(static_cast<std::size_t>(layer) + 1) % 3];
                    read.tiedShoulder = true;
                    read.widenedLane = true;

                    ASSERT_EQ(writeCaseFile(path, written), "");
                    const CaseFileReadResult result = readCaseFile(path, read);
                    EXPECT_EQ(result.status, Status::Loaded);
                    EXPECT_EQ(result.oneLayerFile, layer == LayerType::OneLayer);

                    // d, mu2, r2 and the shoulder and lane options are not in the file.
                    AnalysisCase expected = written;
                    const AnalysisCase untouched = AnalysisCase::defaults(units);
                    expected.d = untouched.d;
                    expected.mu2 = untouched.mu2;
                    expected.r2 = untouched.r2;
                    expected.tiedShoulder = true;
                    expected.widenedLane = true;
                    setFileCaptions(expected, units);
                    expectSameRecord(read, expected);
                }
            }
        }
    }
}

TEST(ParseCaseFile, MatchesTheOptionLinesExactly) {
    std::vector<std::string> lines = exampleLines();
    AnalysisCase record = alteredRecord(UnitSystem::English);

    lines[4] = "edge stress analysis";
    lines[6] = "Single-Single ";
    lines[13] = "TwoLayer Bonded";
    CaseFileReadResult result = parseCaseFile(joinLines(lines), record);
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_EQ(record.location, WheelLocation::Interior);
    EXPECT_EQ(record.gear, GearConfiguration::DualTridem);
    EXPECT_EQ(record.layer, LayerType::TwoLayerUnbonded);
    EXPECT_FALSE(result.oneLayerFile.has_value());
    EXPECT_EQ(record.P, "18000");

    lines[4] = "Corner Stress Analysis";
    lines[6] = "Single-Tandem";
    lines[13] = "TwoLayer Bond";
    result = parseCaseFile(joinLines(lines), record);
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_EQ(record.location, WheelLocation::Corner);
    EXPECT_EQ(record.gear, GearConfiguration::SingleTandem);
    EXPECT_EQ(record.layer, LayerType::TwoLayerBonded);
    EXPECT_EQ(result.oneLayerFile, false);
}

TEST(ParseCaseFile, MetricMarkerSwitchesUnitsAndCaptionsAndConvertsOnlyD) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    ASSERT_EQ(record.d, "88");
    ASSERT_EQ(record.caption(Field::k), "Subgrade Modulus, k (psi/in)");
    std::vector<std::string> lines = exampleLines();
    lines[0] = "****SI****";

    EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
    EXPECT_EQ(record.units, UnitSystem::Metric);
    EXPECT_EQ(record.caption(Field::k), "Subgrade Modulus, K (kPa/mm)");
    EXPECT_EQ(record.caption(Field::P), "Axle Load, P (kN)");
    EXPECT_EQ(record.caption(Field::d), "Transverse Wheel Spacing, d (cm)");
    EXPECT_EQ(record.caption(Field::r1), "Slab (1st Layer) Unit Weight, γ1 (kg/m^3)");
    EXPECT_EQ(record.caption(Field::F), "Critical Temperature Differential, ΔT (oC)");
    // The file's values are taken in the file's system as they stand.
    EXPECT_EQ(record.P, "18000");
    EXPECT_EQ(record.E1, "4000000");
    EXPECT_EQ(record.L, "15");
    EXPECT_EQ(record.alp, "5.5E-06");
    // 88 in x 2.54 = 223.52 cm, shown with one decimal.
    EXPECT_EQ(record.d, "223.5");

    // Back to English: 223.5 cm / 2.54 = 87.9921... in, shown with two decimals.
    lines[0] = "****ENG****";
    EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
    EXPECT_EQ(record.units, UnitSystem::English);
    EXPECT_EQ(record.caption(Field::k), "Subgrade Modulus, K (psi/in)");
    EXPECT_EQ(record.caption(Field::P), "Axle Load, P (lbs)");
    EXPECT_EQ(record.d, "87.99");

    // A text without a leading number counts as 0.
    record.d = "wide";
    lines[0] = "****SI****";
    EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
    EXPECT_EQ(record.d, "0.0");
}

TEST(ParseCaseFile, MarkerOfTheCurrentSystemKeepsDAndSetsTheFileCaptions) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        AnalysisCase record = AnalysisCase::defaults(units);
        record.d = "88.123 wide";
        std::vector<std::string> lines = exampleLines();
        lines[0] = units == UnitSystem::Metric ? "****SI****" : "****ENG****";
        EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
        EXPECT_EQ(record.units, units);
        EXPECT_EQ(record.d, "88.123 wide");
        EXPECT_EQ(record.caption(Field::k), units == UnitSystem::Metric ? "Subgrade Modulus, K (kPa/mm)"
                                                                        : "Subgrade Modulus, K (psi/in)");
    }
}

TEST(ParseCaseFile, UnknownMarkerKeepsUnitsCaptionsAndD) {
    AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);
    std::vector<std::string> lines = exampleLines();
    lines[0] = "****ENGLISH****";

    const AnalysisCase expected = withExampleValues(record);
    EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
    expectSameRecord(record, expected);
    EXPECT_EQ(record.caption(Field::k), "Subgrade Modulus, k (kPa/mm)");
}

TEST(ParseCaseFile, WrongHeaderLineChangesNothing) {
    for (UnitSystem units : {UnitSystem::English, UnitSystem::Metric}) {
        const AnalysisCase before = alteredRecord(units);
        for (const char* header : {"***Stress analysis***", "***Stress Analysis*** ", ""}) {
            SCOPED_TRACE(header);
            std::vector<std::string> lines = exampleLines();
            lines[0] = units == UnitSystem::Metric ? "****ENG****" : "****SI****";
            lines[2] = header;
            AnalysisCase record = before;
            const CaseFileReadResult result = parseCaseFile(joinLines(lines), record);
            EXPECT_EQ(result.status, Status::IncorrectInputFile);
            EXPECT_EQ(result.message, "Incorrect Input File!");
            EXPECT_FALSE(result.oneLayerFile.has_value());
            expectSameRecord(record, before);
        }
    }

    // The header is checked before the length: a short file with a wrong third line is not a case file.
    AnalysisCase record = alteredRecord(UnitSystem::English);
    EXPECT_EQ(parseCaseFile("****SI****\r\n\r\nStress\r\n", record).status, Status::IncorrectInputFile);
    expectSameRecord(record, alteredRecord(UnitSystem::English));
}

TEST(ParseCaseFile, FileEndingBeforeLine30ChangesNothing) {
    const AnalysisCase before = alteredRecord(UnitSystem::English);
    const std::vector<std::string> all = exampleLines();

    AnalysisCase record = before;
    CaseFileReadResult result = parseCaseFile("****SI****\r\n\r\n", record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_NE(result.message.find("line 2"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("line 30"), std::string::npos) << result.message;
    expectSameRecord(record, before);

    std::vector<std::string> lines(all.begin(), all.begin() + 29);
    lines[0] = "****SI****";
    result = parseCaseFile(joinLines(lines), record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_NE(result.message.find("line 29"), std::string::npos) << result.message;
    expectSameRecord(record, before);

    result = parseCaseFile("", record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_NE(result.message.find("empty"), std::string::npos) << result.message;
    expectSameRecord(record, before);

    // A last line without a line end still counts as one line, and no more.
    std::string unended = joinLines(lines);
    unended.resize(unended.size() - 2);
    result = parseCaseFile(unended, record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_NE(result.message.find("line 29"), std::string::npos) << result.message;
    expectSameRecord(record, before);
}

TEST(ParseCaseFile, ThirtyLinesAreEnoughAndLaterLinesAreIgnored) {
    const std::vector<std::string> all = exampleLines();
    const std::vector<std::string> first30(all.begin(), all.begin() + 30);
    AnalysisCase expected = withExampleValues(alteredRecord(UnitSystem::English));
    setFileCaptions(expected, UnitSystem::English);

    // The last line needs no line end.
    AnalysisCase record = alteredRecord(UnitSystem::English);
    std::string text = joinLines(first30);
    text.resize(text.size() - 2);
    EXPECT_EQ(parseCaseFile(text, record).status, Status::Loaded);
    expectSameRecord(record, expected);

    record = alteredRecord(UnitSystem::English);
    std::vector<std::string> longer = first30;
    longer.push_back("not empty");
    longer.push_back("Not The End");
    for (int extra = 0; extra < 1000; ++extra) {
        longer.push_back("****SI****");
    }
    EXPECT_EQ(parseCaseFile(joinLines(longer, "\n"), record).status, Status::Loaded);
    expectSameRecord(record, expected);
}

TEST(ParseCaseFile, AcceptsEveryLineEndAndAnyBytes) {
    AnalysisCase expected = withExampleValues(alteredRecord(UnitSystem::English));
    setFileCaptions(expected, UnitSystem::English);
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        AnalysisCase record = alteredRecord(UnitSystem::English);
        EXPECT_EQ(parseCaseFile(joinLines(exampleLines(), lineEnd), record).status, Status::Loaded);
        expectSameRecord(record, expected);
    }

    // Mixed line ends: CR CR LF is a lone CR followed by CR LF, so it ends two lines.
    std::string mixed = "****ENG****\r\r\n***Stress Analysis***\n\rEdge Stress Analysis\r\n\nDual-Single";
    std::vector<std::string> rest = exampleLines();
    rest.erase(rest.begin(), rest.begin() + 7);
    mixed += "\r\n";
    mixed += joinLines(rest, "\n");
    AnalysisCase record = alteredRecord(UnitSystem::English);
    EXPECT_EQ(parseCaseFile(mixed, record).status, Status::Loaded);
    expectSameRecord(record, expected);

    std::vector<std::string> lines = exampleLines();
    const std::string oddBytes("1\xff\x00"
                               "2\x01",
                               5);
    lines[8] = oddBytes;
    lines[4] = std::string("Edge\0Stress Analysis", 20);
    record = alteredRecord(UnitSystem::English);
    EXPECT_EQ(parseCaseFile(joinLines(lines), record).status, Status::Loaded);
    EXPECT_EQ(record.P, oddBytes);
    EXPECT_EQ(record.location, WheelLocation::Interior);
}

TEST(ReadCaseFile, ReportsFilesThatCannotBeRead) {
    TemporaryFolder folder;
    const AnalysisCase before = alteredRecord(UnitSystem::English);
    AnalysisCase record = before;

    CaseFileReadResult result = readCaseFile(folder.path().string(), record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_EQ(result.message, folder.path().string() + " is a directory");

    const std::string missing = folder.file("missing.DEF");
    result = readCaseFile(missing, record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_EQ(result.message, missing + " cannot be read: " + systemMessage(ENOENT));

    const std::string fifo = folder.file("fifo.DEF");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    result = readCaseFile(fifo, record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_EQ(result.message, fifo + " is not a regular file");

    // A valid case file padded with ignored lines to exactly 1 MiB loads; one byte more does not.
    std::vector<std::string> lines = exampleLines();
    lines[0] = "****SI****";
    std::string text = joinLines(lines);
    const std::string big = folder.file("big.DEF");
    text.resize(1024 * 1024, 'x');
    writeBytes(big, text);
    AnalysisCase loaded = before;
    EXPECT_EQ(readCaseFile(big, loaded).status, Status::Loaded);
    EXPECT_EQ(loaded.units, UnitSystem::Metric);
    text += 'x';
    writeBytes(big, text);
    result = readCaseFile(big, record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_EQ(result.message, big + " is larger than 1 MiB");

    const std::string shortFile = folder.file("short.DEF");
    writeBytes(shortFile, "****SI****\r\n\r\n***Stress Analysis***\r\n");
    result = readCaseFile(shortFile, record);
    EXPECT_EQ(result.status, Status::Error);
    EXPECT_EQ(result.message.rfind(shortFile, 0), 0u) << result.message;
    EXPECT_NE(result.message.find("line 3"), std::string::npos) << result.message;

    expectSameRecord(record, before);
}

TEST(WriteCaseFile, ReplacesAnExistingFileOnlyWhenComplete) {
    TemporaryFolder folder;
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::English);
    const std::string expected = joinLines(exampleLines());

    const mode_t previousMask = ::umask(022);
    const std::string created = folder.file("new.DEF");
    EXPECT_EQ(writeCaseFile(created, record), "");
    ::umask(previousMask);
    EXPECT_EQ(readBytes(created), expected);
    struct stat status;
    ASSERT_EQ(::stat(created.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);

    // A longer old file must not leave its tail behind; its permissions stay.
    const std::string existing = folder.file("old.DEF");
    writeBytes(existing, std::string(5000, 'o'));
    ASSERT_EQ(::chmod(existing.c_str(), 0640), 0);
    EXPECT_EQ(writeCaseFile(existing, record), "");
    EXPECT_EQ(readBytes(existing), expected);
    ASSERT_EQ(::stat(existing.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    std::vector<std::string> entries = folder.entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"new.DEF", "old.DEF"}));
}

TEST(WriteCaseFile, FailureLeavesEverythingUntouched) {
    TemporaryFolder folder;
    const AnalysisCase record = AnalysisCase::defaults(UnitSystem::Metric);

    const std::string inMissingFolder = folder.file("missing/case.DEF");
    const std::string message = writeCaseFile(inMissingFolder, record);
    EXPECT_NE(message.find(inMissingFolder), std::string::npos) << message;
    EXPECT_NE(message.find(systemMessage(ENOENT)), std::string::npos) << message;
    EXPECT_FALSE(fs::exists(folder.path() / "missing"));

    // A directory in the target's place stays as it was, and no temporary file is left behind.
    const std::string directory = folder.file("case.DEF");
    fs::create_directory(directory);
    writeBytes(directory + "/inside.txt", "kept");
    const std::string failure = writeCaseFile(directory, record);
    EXPECT_NE(failure.find(directory), std::string::npos) << failure;
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(readBytes(directory + "/inside.txt"), "kept");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"case.DEF"});
}

} // namespace
} // namespace korvanex
