// SPDX-License-Identifier: Apache-2.0
#include "studies/traffic_loads.h"

#include "case/case_check.h"
#include "case/case_words.h"
#include "case/number_text.h"
#include "io/csv_reader.h"

#include <algorithm>
#include <cmath>
#include <istream>

namespace korvanex {

namespace {

// The count cell of a row: a number greater than 0 under the column's name.
std::string readCount(const std::string& cell, std::string_view column, double& count) {
    if (cell.find_first_not_of(" \t") == std::string::npos) {
        return "no " + std::string(column);
    }
    const std::optional<double> number = finiteNumber(cell);
    if (!number || !(*number > 0)) {
        return std::string(column) + " must be a number greater than 0, not " + quoted(cell);
    }
    count = *number;
    return {};
}

// The repetitions of a row's count: the count itself, or the axle groups per 1,000 trucks over the
// design life of the traffic.
std::string readRepetitions(const std::string& cell, const TrafficSpectrum& spectrum, double& repetitions) {
    if (spectrum.count == CountColumn::Repetitions) {
        return readCount(cell, RepetitionsColumn, repetitions);
    }
    double perThousandTrucks = 0;
    if (std::string error = readCount(cell, PerThousandTrucksColumn, perThousandTrucks); !error.empty()) {
        return error;
    }
    if (!spectrum.traffic) {
        return "per_1000_trucks needs the traffic: ADTT, growth and design life";
    }
    repetitions = designRepetitions(perThousandTrucks, *spectrum.traffic);
    return std::isfinite(repetitions) ? std::string() : "the repetitions are beyond the number range";
}

// The one place where a row becomes a load group.
SpectrumGroup buildGroup(const TrafficSpectrum& spectrum, const std::vector<std::string>& row,
                         const AnalysisCase& base) {
    const std::vector<const CaseColumn*>& columns = spectrum.columns;
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
    group.error = readRepetitions(row[static_cast<std::size_t>(repetitions)], spectrum, group.repetitions);
    return group;
}

} // namespace

bool TrafficSpectrum::setsField(Field field) const {
    for (std::size_t index = 0; index < columns.size(); ++index) {
        const CaseColumn* column = columns[index];
        if (column == nullptr || column->kind != CaseColumn::Kind::Number || column->field != field) {
            continue;
        }
        return std::any_of(
            cells.rows.begin(), cells.rows.end(), [index](const std::vector<std::string>& row) {
                return index < row.size() && row[index].find_first_not_of(" \t") != std::string::npos;
            });
    }
    return false;
}

std::string readSpectrumHeader(const std::vector<std::string>& names, std::vector<const CaseColumn*>& columns,
                               CountColumn& count) {
    const std::string_view extra[] = {RepetitionsColumn, PerThousandTrucksColumn};
    if (std::string error = readCaseHeader(names, extra, columns); !error.empty()) {
        return error;
    }
    const auto counts = std::count(columns.begin(), columns.end(), nullptr);
    if (counts == 0) {
        return "there is no repetitions column";
    }
    if (counts > 1) {
        return "a spectrum gives either repetitions or per_1000_trucks, not both";
    }
    const auto position = std::find(columns.begin(), columns.end(), nullptr) - columns.begin();
    count = equalsIgnoringCase(trimmed(names[static_cast<std::size_t>(position)]), PerThousandTrucksColumn)
                ? CountColumn::PerThousandTrucks
                : CountColumn::Repetitions;
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
        CountColumn count;
        if (std::string error = readSpectrumHeader(cells.header, columns, count); !error.empty()) {
            return error;
        }
        std::vector<std::string> row;
        while ((status = reader.read(row)) == CsvReader::Status::Record) {
            cells.rows.push_back(row);
        }
    }
    if (status == CsvReader::Status::Error) {
        return "not a CSV file: " + reader.error();
    }
    return cells.rows.empty() ? "there is no load group: no row follows the header" : std::string();
}

TrafficSpectrum buildSpectrum(SpectrumCells cells, const AnalysisCase& base,
                              const std::optional<TrafficSettings>& traffic) {
    TrafficSpectrum spectrum;
    spectrum.units = base.units;
    spectrum.cells = std::move(cells);
    readSpectrumHeader(spectrum.cells.header, spectrum.columns, spectrum.count);
    if (spectrum.count == CountColumn::PerThousandTrucks) {
        spectrum.traffic = traffic;
    }
    spectrum.groups.reserve(spectrum.cells.rows.size());
    for (const std::vector<std::string>& row : spectrum.cells.rows) {
        spectrum.groups.push_back(buildGroup(spectrum, row, base));
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
