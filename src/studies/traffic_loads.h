// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "io/case_columns.h"
#include "studies/truck_traffic.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// The columns of a spectrum that count a load group, one of which a spectrum gives: its passes over
// the design life, or its axle groups per 1,000 trucks, which the traffic settings turn into passes.
inline constexpr std::string_view RepetitionsColumn = "repetitions";
inline constexpr std::string_view PerThousandTrucksColumn = "per_1000_trucks";
enum class CountColumn { Repetitions, PerThousandTrucks };

// A traffic spectrum as its cells stand: the header names and the rows.
struct SpectrumCells {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// One load group: the case of its row and its repetitions, or why the row could not be taken.
struct SpectrumGroup {
    std::string error;
    std::vector<std::string> warnings; // the values of the group's case outside their typical range
    AnalysisCase record;
    double repetitions = 0; // the passes over the design life, given or worked out from the traffic
};

struct TrafficSpectrum {
    UnitSystem units = UnitSystem::English; // the case's, in which every cell is read
    SpectrumCells cells;
    std::vector<const CaseColumn*> columns; // by position; nullptr for the count column
    CountColumn count = CountColumn::Repetitions;
    std::optional<TrafficSettings> traffic; // set for a spectrum of axle groups per 1,000 trucks
    std::vector<SpectrumGroup> groups;      // one per row

    // Whether a column of the spectrum sets the field: a cell of its column in a row that is not empty
    // or blank.
    bool setsField(Field field) const;
};

// Reads the cells of a spectrum CSV: a header with any of the batch columns but units (a spectrum is
// in the case's units) and exactly one of the count columns, then the rows as they stand. Returns an
// empty string, or the problem that stops the reading: input that is not CSV, a bad header or no row
// after it.
std::string readSpectrumCells(std::istream& in, SpectrumCells& cells);

// Checks a header: the names of readSpectrumCells. Returns an empty string or the problem.
std::string readSpectrumHeader(const std::vector<std::string>& names, std::vector<const CaseColumn*>& columns,
                               CountColumn& count);

// The groups of a spectrum whose header has been checked: each row's case is the given case with the
// row's cells that are not empty set on it, as a batch row sets them, and its repetitions those of its
// count cell, worked out from the traffic for axle groups per 1,000 trucks. A row is an error row when
// it has not the header's number of cells, an option it names is unknown, its count is not a number
// greater than 0, or it counts axle groups per 1,000 trucks and there is no traffic. The traffic is
// kept only for such a spectrum.
TrafficSpectrum buildSpectrum(SpectrumCells cells, const AnalysisCase& base,
                              const std::optional<TrafficSettings>& traffic = std::nullopt);

// The warnings of the groups that the case itself does not already give, each "row N: " and the
// range text, in the order of the rows.
std::vector<std::string> groupWarnings(const TrafficSpectrum& spectrum, const AnalysisCase& base);

// Reads a spectrum CSV and builds its groups on the case.
std::string readSpectrum(std::istream& in, const AnalysisCase& base, TrafficSpectrum& spectrum);

} // namespace korvanex
