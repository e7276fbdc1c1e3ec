// SPDX-License-Identifier: Apache-2.0
#include "io/case_file.h"

#include "case/case_words.h"
#include "case/field_value.h"
#include "case/number_text.h"
#include "case/unit_conversion.h"
#include "io/file_access.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace korvanex {

namespace {

constexpr Word<UnitSystem> UnitMarkers[] = {{"****ENG****", UnitSystem::English},
                                            {"****SI****", UnitSystem::Metric}};
constexpr std::string_view Header = "***Stress Analysis***";
constexpr std::string_view EndLine = "Stress Analysis Data End";
constexpr std::string_view LineEnd = "\r\n";

// The reader needs lines 1 to 30; the empty line and the end line after them are never read.
constexpr std::size_t LinesRead = 30;

struct FieldLine {
    std::size_t line;
    Field field;
};

constexpr FieldLine FieldLines[] = {
    {9, Field::P},   {10, Field::tp},  {11, Field::S},  {12, Field::t},   {16, Field::h1},  {17, Field::h2},
    {18, Field::E1}, {19, Field::E2},  {20, Field::r1}, {21, Field::mu1}, {22, Field::L},   {23, Field::W},
    {25, Field::k},  {26, Field::AGG}, {27, Field::d0}, {29, Field::F},   {30, Field::alp},
};

// The first lines of a file as views into its bytes: lines beyond the ones kept are not even looked for.
struct FirstLines {
    std::array<std::string_view, LinesRead> lines;
    std::size_t count = 0;

    std::string_view line(std::size_t number) const { return lines[number - 1]; }
};

// Lines end at CR LF, LF or a lone CR. A last line without a line end counts; nothing after the
// last line end is a line.
FirstLines splitFirstLines(std::string_view bytes) {
    FirstLines result;
    std::size_t position = 0;
    while (result.count < LinesRead && position < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", position);
        if (end == std::string_view::npos) {
            result.lines[result.count++] = bytes.substr(position);
            break;
        }
        result.lines[result.count++] = bytes.substr(position, end - position);
        position = end + 1;
        if (bytes[end] == '\r' && position < bytes.size() && bytes[position] == '\n') {
            ++position;
        }
    }
    return result;
}

std::string shortFileMessage(std::size_t lineCount) {
    const std::string expected = "line " + std::to_string(LinesRead);
    if (lineCount == 0) {
        return "The case file is empty: it ends before " + expected + ".";
    }
    return "The case file ends at line " + std::to_string(lineCount) + ", before " + expected + ".";
}

// The file does not hold d, so d is carried over into the file's unit system rather than being
// read as a value of the other system.
std::string convertedTransverseSpacing(const std::string& text, UnitSystem to) {
    const double value = numericPrefix(text);
    return to == UnitSystem::Metric ? formatFixed(value * CmPerInch, 1) : formatFixed(value / CmPerInch, 2);
}

// The value of an option line's word as a Windows editor or a hand may leave it: before trailing
// blanks, in any letter case.
template <typename T, std::size_t N>
std::optional<T> optionOfLine(const Word<T> (&words)[N], std::string_view line) {
    const std::size_t end = line.find_last_not_of(" \t");
    return valueIgnoringCase(words,
                             end == std::string_view::npos ? std::string_view() : line.substr(0, end + 1));
}

void noteUnknown(CaseFileReadResult& result, std::size_t line, std::string what, std::string_view word,
                 std::string chosen) {
    result.unknownWords.push_back({line, std::move(what), std::string(word), std::move(chosen)});
}

std::string unitsName(UnitSystem units) {
    return units == UnitSystem::Metric ? "metric" : "English";
}

// The unit marker may follow a UTF-8 byte-order mark.
void applyUnitMarker(std::string_view firstLine, AnalysisCase& record, CaseFileReadResult& result) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    std::string_view line = firstLine;
    if (line.starts_with(ByteOrderMark)) {
        line.remove_prefix(ByteOrderMark.size());
    }
    const std::optional<UnitSystem> units = optionOfLine(UnitMarkers, line);
    if (!units) {
        noteUnknown(result, 1, "unit marker", firstLine, "the units stay " + unitsName(record.units));
        return;
    }
    if (*units != record.units) {
        record.d = convertedTransverseSpacing(record.d, *units);
        record.units = *units;
    }
    setFileCaptions(record, *units);
}

void applyLocationLine(std::string_view line, AnalysisCase& record, CaseFileReadResult& result) {
    const std::optional<WheelLocation> location = optionOfLine(LocationTitles, line);
    record.location = location.value_or(WheelLocation::Interior);
    if (!location) {
        noteUnknown(result, 5, "location", line,
                    std::string(wordOf(LocationWords, record.location)) + " was chosen");
    }
}

void applyGearLine(std::string_view line, AnalysisCase& record, CaseFileReadResult& result) {
    const std::optional<GearConfiguration> gear = optionOfLine(GearWords, line);
    record.gear = gear.value_or(GearConfiguration::DualTridem);
    if (!gear) {
        noteUnknown(result, 7, "gear", line, std::string(wordOf(GearWords, record.gear)) + " was chosen");
    }
}

void applyLayerLine(std::string_view line, AnalysisCase& record, CaseFileReadResult& result) {
    const std::optional<LayerType> layer = optionOfLine(LayerLineWords, line);
    if (!layer) {
        noteUnknown(result, 14, "layer", line,
                    "the layer stays " + std::string(wordOf(LayerWords, record.layer)));
        return;
    }
    record.layer = *layer;
    result.oneLayerFile = *layer == LayerType::OneLayer;
}

} // namespace

std::string UnknownCaseWord::problem() const {
    return "line " + std::to_string(line) + ": unknown " + what + " " + quoted(withControlsEscaped(word));
}

std::string UnknownCaseWord::problemAndChoice() const {
    return problem() + ": " + chosen;
}

std::string caseFileText(const AnalysisCase& record) {
    std::string text;
    const auto addLine = [&text](std::string_view line) {
        text += line;
        text += LineEnd;
    };
    addLine(wordOf(UnitMarkers, record.units));
    addLine("");
    addLine(Header);
    addLine("");
    addLine(wordOf(LocationTitles, record.location));
    addLine("");
    addLine(wordOf(GearWords, record.gear));
    addLine("");
    addLine(record.P);
    addLine(record.tp);
    addLine(record.S);
    addLine(record.t);
    addLine("");
    addLine(wordOf(LayerLineWords, record.layer));
    addLine("");
    addLine(record.h1);
    addLine(record.h2);
    addLine(record.E1);
    addLine(record.E2);
    addLine(record.r1);
    addLine(record.mu1);
    addLine(record.L);
    addLine(record.W);
    addLine("");
    addLine(record.k);
    addLine(record.AGG);
    addLine(record.d0);
    addLine("");
    addLine(record.F);
    addLine(record.alp);
    addLine("");
    addLine(EndLine);
    return text;
}

CaseFileReadResult parseCaseFile(std::string_view bytes, AnalysisCase& record) {
    CaseFileReadResult result;
    const FirstLines file = splitFirstLines(bytes);
    if (file.count >= 3 && file.line(3) != Header) {
        result.status = CaseFileReadResult::Status::IncorrectInputFile;
        result.message = "Incorrect Input File!";
        return result;
    }
    if (file.count < LinesRead) {
        result.status = CaseFileReadResult::Status::Error;
        result.message = shortFileMessage(file.count);
        return result;
    }

    applyUnitMarker(file.line(1), record, result);
    applyLocationLine(file.line(5), record, result);
    applyGearLine(file.line(7), record, result);
    applyLayerLine(file.line(14), record, result);
    for (const FieldLine& fieldLine : FieldLines) {
        record.text(fieldLine.field) = file.line(fieldLine.line);
    }
    result.status = CaseFileReadResult::Status::Loaded;
    return result;
}

CaseFileReadResult readCaseFile(const std::string& path, AnalysisCase& record) {
    std::string bytes;
    if (std::string error = readSmallFile(path, bytes); !error.empty()) {
        CaseFileReadResult result;
        result.status = CaseFileReadResult::Status::Error;
        result.message = std::move(error);
        return result;
    }
    CaseFileReadResult result = parseCaseFile(bytes, record);
    if (result.status == CaseFileReadResult::Status::Error) {
        result.message = path + ": " + result.message;
    }
    return result;
}

std::string writeCaseFile(const std::string& path, const AnalysisCase& record) {
    return writeFileAtomically(path, caseFileText(record));
}

} // namespace korvanex
