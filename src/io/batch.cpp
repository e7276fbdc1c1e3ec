#include "io/batch.h"

#include "case/case_check.h"
#include "case/fault.h"
#include "engine/analysis_driver.h"
#include "engine/compute_stresses.h"
#include "engine/result_fields.h"
#include "io/csv_reader.h"
#include "io/results_json.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <vector>

namespace korvanex {

namespace {

using Kind = CaseColumn::Kind;

// The option columns carry no field; Field::P only fills the place.
const CaseColumn columnTable[] = {
    // clang-format off
    {"units",    Kind::Units,    Field::P},
    {"location", Kind::Location, Field::P},
    {"gear",     Kind::Gear,     Field::P},
    {"layer",    Kind::Layer,    Field::P},
    {"tied",     Kind::Tied,     Field::P},
    {"widened",  Kind::Widened,  Field::P},
    {"P",   Kind::Number, Field::P},   {"tp",  Kind::Number, Field::tp},  {"S",   Kind::Number, Field::S},
    {"t",   Kind::Number, Field::t},   {"d",   Kind::Number, Field::d},   {"h1",  Kind::Number, Field::h1},
    {"h2",  Kind::Number, Field::h2},  {"E1",  Kind::Number, Field::E1},  {"E2",  Kind::Number, Field::E2},
    {"mu1", Kind::Number, Field::mu1}, {"r1",  Kind::Number, Field::r1},  {"L",   Kind::Number, Field::L},
    {"W",   Kind::Number, Field::W},   {"k",   Kind::Number, Field::k},   {"AGG", Kind::Number, Field::AGG},
    {"d0",  Kind::Number, Field::d0},  {"F",   Kind::Number, Field::F},   {"alp", Kind::Number, Field::alp},
    // clang-format on
};

template <typename T> struct Choice {
    std::string_view word;
    T value;
};

constexpr Choice<UnitSystem> unitChoices[] = {{"english", UnitSystem::English},
                                              {"metric", UnitSystem::Metric}};
constexpr Choice<WheelLocation> locationChoices[] = {
    {"interior", WheelLocation::Interior}, {"edge", WheelLocation::Edge}, {"corner", WheelLocation::Corner}};
constexpr Choice<GearConfiguration> gearChoices[] = {
    {"single-single", GearConfiguration::SingleSingle}, {"single-tandem", GearConfiguration::SingleTandem},
    {"single-tridem", GearConfiguration::SingleTridem}, {"dual-single", GearConfiguration::DualSingle},
    {"dual-tandem", GearConfiguration::DualTandem},     {"dual-tridem", GearConfiguration::DualTridem}};
constexpr Choice<LayerType> layerChoices[] = {{"one", LayerType::OneLayer},
                                              {"bonded", LayerType::TwoLayerBonded},
                                              {"unbonded", LayerType::TwoLayerUnbonded}};
constexpr Choice<bool> yesNoChoices[] = {{"yes", true}, {"no", false}};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t index = 0; index < a.size(); ++index) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[index]) != lower(b[index])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <typename T, std::size_t N>
bool choose(const Choice<T> (&choices)[N], std::string_view cell, T& value) {
    for (const Choice<T>& choice : choices) {
        if (equalsIgnoringCase(choice.word, cell)) {
            value = choice.value;
            return true;
        }
    }
    return false;
}

template <typename T, std::size_t N> std::string_view wordOf(const Choice<T> (&choices)[N], T value) {
    for (const Choice<T>& choice : choices) {
        if (choice.value == value) {
            return choice.word;
        }
    }
    return choices[0].word;
}

// Stresses are computed in psi and the radius in inches; metric rows convert them with the report's
// factors.
constexpr double KpaPerPsi = 6.89;
constexpr double CmPerInch = 2.54;

// The result columns in the order of the report's quantities: the radius, the eleven ratios, the
// composition of the stresses, then the edge model.
constexpr std::string_view resultColumnNames[] = {
    "l",
    "a_l",
    "D0_l",
    "AGG_kl",
    "L_l",
    "W_l",
    "DP",
    "DG",
    "ADT",
    "s_l",
    "t_l",
    "d_l",
    "WestergaardStress",
    "GearFactor",
    "OtherWheelsFactor",
    "InfiniteSlabStress",
    "SlabSizeFactor",
    "TiedFactor",
    "WidenedFactor",
    "SecondLayerFactor",
    "LoadingStressOnly",
    "CurlStress",
    "SlabSizeLosFactor",
    "LoadCurlFactor",
    "CombinedStress",
    "MdEdgeInfSlab",
    "MdSecondLayer",
    "MdSlabSize",
    "MdTiedShoulder",
    "MdWidenedLane",
    "MdCurlStress",
    "MdTopLayerStress",
    "MdCombinedStress",
    "MdBottomLayerStress",
};
constexpr std::size_t ResultColumnCount = std::size(resultColumnNames);

using ResultColumns = std::array<const ResultField*, ResultColumnCount>;

ResultColumns findResultColumns() {
    ResultColumns columns{};
    for (std::size_t index = 0; index < ResultColumnCount; ++index) {
        for (const ResultField& field : resultFields()) {
            if (field.name == resultColumnNames[index]) {
                columns[index] = &field;
            }
        }
    }
    return columns;
}

const ResultColumns& resultColumns() {
    static const ResultColumns columns = findResultColumns();
    return columns;
}

double inRowUnits(double value, ResultKind kind, UnitSystem units) {
    if (units != UnitSystem::Metric) {
        return value;
    }
    switch (kind) {
    case ResultKind::Stress:
        return value * KpaPerPsi;
    case ResultKind::Length:
        return value * CmPerInch;
    case ResultKind::Factor:
        break;
    }
    return value;
}

std::string quotedValue(std::string_view cell) {
    return "\"" + std::string(cell) + "\"";
}

std::string knownColumnNames(std::span<const std::string_view> extraNames) {
    std::string names;
    for (std::string_view name : extraNames) {
        names += name;
        names += ", ";
    }
    for (const CaseColumn& column : columnTable) {
        names += column.name;
        names += ", ";
    }
    names.resize(names.size() - 2);
    return names;
}

// Applies one option cell to the record; false when the value is not one of the option's words.
bool applyOption(const CaseColumn& column, std::string_view value, AnalysisCase& record) {
    switch (column.kind) {
    case Kind::Location:
        return choose(locationChoices, value, record.location);
    case Kind::Gear:
        return choose(gearChoices, value, record.gear);
    case Kind::Layer:
        return choose(layerChoices, value, record.layer);
    case Kind::Tied:
        return choose(yesNoChoices, value, record.tiedShoulder);
    case Kind::Widened:
        return choose(yesNoChoices, value, record.widenedLane);
    case Kind::Units:
    case Kind::Number:
        break;
    }
    return true;
}

// The header's columns, by their position in the file.
struct BatchHeader {
    std::vector<const CaseColumn*> columns;
    std::optional<std::size_t> unitsPosition;
};

// The case of one row: the defaults of its unit system, then every cell that is not blank. Returns
// an empty string, or what is wrong with the row.
class RowCases {
  public:
    RowCases()
        : english_(AnalysisCase::defaults(UnitSystem::English)),
          metric_(AnalysisCase::defaults(UnitSystem::Metric)) {}

    std::string build(const BatchHeader& header, const std::vector<std::string>& cells,
                      AnalysisCase& record) {
        UnitSystem units = UnitSystem::English;
        if (header.unitsPosition) {
            const std::string& cell = cells[*header.unitsPosition];
            const std::string_view value = trimmed(cell);
            if (!value.empty() && !choose(unitChoices, value, units)) {
                return "unknown units " + quotedValue(cell);
            }
        }
        // Assigning over the previous row's record reuses its storage.
        record = units == UnitSystem::Metric ? metric_ : english_;
        return applyCaseCells(header.columns, cells, record);
    }

  private:
    const AnalysisCase english_;
    const AnalysisCase metric_;
};

} // namespace

std::span<const CaseColumn> caseColumns() {
    return columnTable;
}

const CaseColumn* findCaseColumn(std::string_view name) {
    for (const CaseColumn& column : columnTable) {
        if (equalsIgnoringCase(column.name, name)) {
            return &column;
        }
    }
    return nullptr;
}

std::string readCaseHeader(std::span<const std::string> names, std::span<const std::string_view> extraNames,
                           std::vector<const CaseColumn*>& columns) {
    columns.clear();
    std::vector<std::string_view> extrasSeen;
    for (const std::string& given : names) {
        const std::string_view name = trimmed(given);
        const auto isName = [name](std::string_view extra) { return equalsIgnoringCase(extra, name); };
        const auto extra = std::find_if(extraNames.begin(), extraNames.end(), isName);
        const CaseColumn* column = extra == extraNames.end() ? findCaseColumn(name) : nullptr;
        if (column == nullptr && extra == extraNames.end()) {
            return "unknown column " + quotedValue(given) + "; the columns are " +
                   knownColumnNames(extraNames);
        }
        const bool repeated =
            column == nullptr ? std::find(extrasSeen.begin(), extrasSeen.end(), *extra) != extrasSeen.end()
                              : std::find(columns.begin(), columns.end(), column) != columns.end();
        if (repeated) {
            return "repeated column " + quotedValue(given);
        }
        if (column == nullptr) {
            extrasSeen.push_back(*extra);
        }
        columns.push_back(column);
    }
    return {};
}

std::string applyCaseCells(std::span<const CaseColumn* const> columns, std::span<const std::string> cells,
                           AnalysisCase& record) {
    for (std::size_t position = 0; position < columns.size(); ++position) {
        const CaseColumn* column = columns[position];
        const std::string& cell = cells[position];
        const std::string_view value = trimmed(cell);
        if (column == nullptr || value.empty()) {
            continue;
        }
        if (column->kind == Kind::Number) {
            record.text(column->field) = cell;
        } else if (!applyOption(*column, value, record)) {
            return "unknown " + std::string(column->name) + " " + quotedValue(cell);
        }
    }
    return {};
}

void appendCsvCell(std::string& line, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        line.append(cell);
        return;
    }
    line.push_back('"');
    for (char c : cell) {
        if (c == '"') {
            line.push_back('"');
        }
        line.push_back(c);
    }
    line.push_back('"');
}

std::string_view caseCellText(const AnalysisCase& record, const CaseColumn& column) {
    switch (column.kind) {
    case Kind::Units:
        return wordOf(unitChoices, record.units);
    case Kind::Location:
        return wordOf(locationChoices, record.location);
    case Kind::Gear:
        return wordOf(gearChoices, record.gear);
    case Kind::Layer:
        return wordOf(layerChoices, record.layer);
    case Kind::Tied:
        return wordOf(yesNoChoices, record.tiedShoulder);
    case Kind::Widened:
        return wordOf(yesNoChoices, record.widenedLane);
    case Kind::Number:
        break;
    }
    return record.text(column.field);
}

void BatchWriter::header(std::span<const std::string> inputNames) {
    line_.clear();
    for (const std::string& name : inputNames) {
        appendCsvCell(line_, name);
        line_.push_back(',');
    }
    line_.append("status,warnings");
    for (std::string_view name : resultColumnNames) {
        line_.push_back(',');
        line_.append(name);
    }
    endRow();
}

void BatchWriter::beginRow(std::span<const std::string> inputCells, std::string_view status,
                           std::string_view warnings) {
    line_.clear();
    for (const std::string& cell : inputCells) {
        appendCsvCell(line_, cell);
        line_.push_back(',');
    }
    appendCsvCell(line_, status);
    line_.push_back(',');
    appendCsvCell(line_, warnings);
}

void BatchWriter::emptyResults() {
    line_.append(ResultColumnCount, ',');
}

void BatchWriter::endRow() {
    line_.push_back('\n');
    out_.write(line_.data(), static_cast<std::streamsize>(line_.size()));
}

void BatchWriter::computedRow(std::span<const std::string> inputCells, const AnalysisCase& record) {
    const CaseCheck check = checkCaseFields(record);
    if (!check.refusal.empty()) {
        errorRow(inputCells, check.refusal);
        return;
    }
    std::string warnings;
    for (const std::string& warning : check.warnings) {
        warnings += warnings.empty() ? warning : "; " + warning;
    }
    results_ = AnalysisResults{};
    try {
        computeStresses(record, results_);
    } catch (const FloatingPointFault& fault) {
        beginRow(inputCells, "fault: " + fault.routine(), warnings);
        emptyResults();
        endRow();
        return;
    }
    beginRow(inputCells, "ok", warnings);
    const bool edgeModelRan = runsEdgeStressModel(record);
    for (const ResultField* field : resultColumns()) {
        line_.push_back(',');
        if (field->group == ResultGroup::EdgeModel && !edgeModelRan) {
            continue;
        }
        line_.append(nineDigits(inRowUnits(resultValue(results_, *field), field->kind, record.units)));
    }
    endRow();
}

void BatchWriter::errorRow(std::span<const std::string> inputCells, std::string_view what) {
    beginRow(inputCells, "error: " + std::string(what), "");
    emptyResults();
    endRow();
}

std::string runBatch(std::istream& in, std::ostream& out) {
    CsvReader reader(in);
    std::vector<std::string> cells;
    const CsvReader::Status headerStatus = reader.read(cells);
    if (headerStatus == CsvReader::Status::Error) {
        return "not a CSV file: " + reader.error();
    }
    if (headerStatus == CsvReader::Status::End) {
        return "not a CSV file: there is no header row";
    }
    BatchHeader header;
    if (std::string error = readCaseHeader(cells, {}, header.columns); !error.empty()) {
        return error;
    }
    for (std::size_t position = 0; position < header.columns.size(); ++position) {
        if (header.columns[position]->kind == Kind::Units) {
            header.unitsPosition = position;
        }
    }

    BatchWriter writer(out);
    writer.header(cells);
    RowCases cases;
    AnalysisCase record;
    const std::size_t width = header.columns.size();
    // A failed output stops the batch: its writer tells why.
    while (!out.fail()) {
        const CsvReader::Status status = reader.read(cells);
        if (status == CsvReader::Status::End) {
            return {};
        }
        if (status == CsvReader::Status::Error) {
            return "not a CSV file: " + reader.error();
        }
        if (cells.size() != width) {
            const std::string what =
                std::to_string(cells.size()) + " cells where the header has " + std::to_string(width);
            // The echo keeps the columns of the header, so that the status stays in its column.
            cells.resize(width);
            writer.errorRow(cells, what);
            continue;
        }
        if (std::string error = cases.build(header, cells, record); !error.empty()) {
            writer.errorRow(cells, error);
            continue;
        }
        writer.computedRow(cells, record);
    }
    return {};
}

} // namespace korvanex
