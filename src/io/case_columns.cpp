// SPDX-License-Identifier: Apache-2.0
#include "io/case_columns.h"

#include "case/case_words.h"

#include <algorithm>

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

template <typename T, std::size_t N>
bool choose(const Word<T> (&choices)[N], std::string_view cell, T& value) {
    const std::optional<T> chosen = valueIgnoringCase(choices, cell);
    if (chosen) {
        value = *chosen;
    }
    return chosen.has_value();
}

template <typename T, std::size_t N> std::vector<std::string_view> texts(const Word<T> (&words)[N]) {
    std::vector<std::string_view> list;
    for (const Word<T>& word : words) {
        list.push_back(word.text);
    }
    return list;
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
        return choose(LocationCellWords, value, record.location);
    case Kind::Gear:
        return choose(GearCellWords, value, record.gear);
    case Kind::Layer:
        return choose(LayerCellWords, value, record.layer);
    case Kind::Tied:
        return choose(YesNoCellWords, value, record.tiedShoulder);
    case Kind::Widened:
        return choose(YesNoCellWords, value, record.widenedLane);
    case Kind::Units:
    case Kind::Number:
        break;
    }
    return true;
}

} // namespace

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

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
            return "unknown column " + quoted(given) + "; the columns are " + knownColumnNames(extraNames);
        }
        const bool repeated =
            column == nullptr ? std::find(extrasSeen.begin(), extrasSeen.end(), *extra) != extrasSeen.end()
                              : std::find(columns.begin(), columns.end(), column) != columns.end();
        if (repeated) {
            return "repeated column " + quoted(given);
        }
        if (column == nullptr) {
            extrasSeen.push_back(*extra);
        }
        columns.push_back(column);
    }
    return {};
}

std::string readRowUnits(std::span<const CaseColumn* const> columns, std::span<const std::string> cells,
                         UnitSystem& units) {
    units = UnitSystem::English;
    for (std::size_t position = 0; position < columns.size(); ++position) {
        if (columns[position] == nullptr || columns[position]->kind != Kind::Units) {
            continue;
        }
        const std::string& cell = cells[position];
        const std::string_view value = trimmed(cell);
        if (!value.empty() && !choose(UnitCellWords, value, units)) {
            return "unknown units " + quoted(cell);
        }
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
            return "unknown " + std::string(column->name) + " " + quoted(cell);
        }
    }
    return {};
}

std::string rowWidthProblem(std::size_t cells, std::size_t columns) {
    if (cells == columns) {
        return {};
    }
    return std::to_string(cells) + " cells where the header has " + std::to_string(columns);
}

std::vector<std::string_view> optionCellWords(CaseColumn::Kind kind) {
    switch (kind) {
    case Kind::Units:
        return texts(UnitCellWords);
    case Kind::Location:
        return texts(LocationCellWords);
    case Kind::Gear:
        return texts(GearCellWords);
    case Kind::Layer:
        return texts(LayerCellWords);
    case Kind::Tied:
    case Kind::Widened:
        return texts(YesNoCellWords);
    case Kind::Number:
        break;
    }
    return {};
}

std::string_view caseCellText(const AnalysisCase& record, const CaseColumn& column) {
    switch (column.kind) {
    case Kind::Units:
        return wordOf(UnitCellWords, record.units);
    case Kind::Location:
        return wordOf(LocationCellWords, record.location);
    case Kind::Gear:
        return wordOf(GearCellWords, record.gear);
    case Kind::Layer:
        return wordOf(LayerCellWords, record.layer);
    case Kind::Tied:
        return wordOf(YesNoCellWords, record.tiedShoulder);
    case Kind::Widened:
        return wordOf(YesNoCellWords, record.widenedLane);
    case Kind::Number:
        break;
    }
    return record.text(column.field);
}

} // namespace korvanex
