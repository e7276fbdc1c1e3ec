// SPDX-License-Identifier: Apache-2.0
#include "studies/traffic_loads.h"

#include "case/case_check.h"
#include "case/case_words.h"
#include "case/number_text.h"
#include "io/csv_reader.h"

#include <algorithm>
#include <istream>

namespace korvanex {

namespace {

std::string readRepetitions(const std::string& cell, double& repetitions) {
    if (cell.find_first_not_of(" \t") == std::string::npos) {
        return "no repetitions";
    }
    const std::optional<double> number = finiteNumber(cell);
    if (!number || !(*number > 0)) {
        return "repetitions must be a number greater than 0, not " + quoted(cell);
    }
    repetitions = *number;
    return {};
}

// The one place where a row becomes a load group.
SpectrumGroup buildGroup(const std::vector<const CaseColumn*>& columns, const std::vector<std::string>& row,
                         const AnalysisCase& base) {
    SpectrumGroup group;
    group.error = rowWidthProblem(row.size(), columns.size());
    if (!group.error.empty()) {
        return group;
    }
    group.record = base;
    group.error = applyCaseCells(columns, row, group.record);
    if (!group.error.empty()) {
        return group;
    }
    CaseCheck check = checkCaseFields(group.record);
    if (!check.refusal.empty()) {
        group.error = std::move(check.refusal);
        return group;
    }
    group.warnings = std::move(check.warnings);
    const auto repetitions = std::find(columns.begin(), columns.end(), nullptr) - columns.begin();
    group.error = readRepetitions(row[static_cast<std::size_t>(repetitions)], group.repetitions);
    return group;
}

} // namespace

bool TrafficSpectrum::setsField(Field field) const {
    return std::any_of(columns.begin(), columns.end(), [field](const CaseColumn* column) {
        return column != nullptr && column->kind == CaseColumn::Kind::Number && column->field == field;
    });
}

std::string readSpectrumHeader(const std::vector<std::string>& names,
                               std::vector<const CaseColumn*>& columns) {
    const std::string_view extra[] = {RepetitionsColumn};
    if (std::string error = readCaseHeader(names, extra, columns); !error.empty()) {
        return error;
    }
    if (std::find(columns.begin(), columns.end(), nullptr) == columns.end()) {
        return "there is no repetitions column";
    }
    for (const CaseColumn* column : columns) {
        if (column != nullptr && column->kind == CaseColumn::Kind::Units) {
            return "a spectrum is in the case's units: it has no units column";
        }
    }
    return {};
}

std::string readSpectrumCells(std::istream& in, SpectrumCells& cells) {
    CsvReader reader(in);
    cells = {};
    CsvReader::Status status = reader.read(cells.header);
    if (status == CsvReader::Status::End) {
        return "not a CSV file: there is no header row";
    }
    if (status == CsvReader::Status::Record) {
        std::vector<const CaseColumn*> columns;
        if (std::string error = readSpectrumHeader(cells.header, columns); !error.empty()) {
            return error;
        }
        std::vector<std::string> row;
        while ((status = reader.read(row)) == CsvReader::Status::Record) {
            cells.rows.push_back(row);
        }
    }
    return status == CsvReader::Status::Error ? "not a CSV file: " + reader.error() : std::string();
}

TrafficSpectrum buildSpectrum(SpectrumCells cells, const AnalysisCase& base) {
    TrafficSpectrum spectrum;
    spectrum.units = base.units;
    spectrum.cells = std::move(cells);
    readSpectrumHeader(spectrum.cells.header, spectrum.columns);
    spectrum.groups.reserve(spectrum.cells.rows.size());
    for (const std::vector<std::string>& row : spectrum.cells.rows) {
        spectrum.groups.push_back(buildGroup(spectrum.columns, row, base));
    }
    return spectrum;
}

std::vector<std::string> groupWarnings(const TrafficSpectrum& spectrum, const AnalysisCase& base) {
    const std::vector<std::string> caseWarnings = checkCaseFields(base).warnings;
    std::vector<std::string> warnings;
    for (std::size_t index = 0; index < spectrum.groups.size(); ++index) {
        for (const std::string& warning : spectrum.groups[index].warnings) {
            if (std::find(caseWarnings.begin(), caseWarnings.end(), warning) == caseWarnings.end()) {
                warnings.push_back("row " + std::to_string(index + 1) + ": " + warning);
            }
        }
    }
    return warnings;
}

std::string readSpectrum(std::istream& in, const AnalysisCase& base, TrafficSpectrum& spectrum) {
    SpectrumCells cells;
    if (std::string error = readSpectrumCells(in, cells); !error.empty()) {
        return error;
    }
    spectrum = buildSpectrum(std::move(cells), base);
    return {};
}

} // namespace korvanex
