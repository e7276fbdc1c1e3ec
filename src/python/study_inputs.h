// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/case_words.h"
#include "python/errors.h"
#include "python/table.h"
#include "studies/fatigue_damage.h"
#include "studies/scatter.h"
#include "studies/traffic_loads.h"

#include <pybind11/pybind11.h>

#include <optional>
#include <string>
#include <vector>

namespace korvanex::python {

// The word a parameter takes, as the command line takes its option's word; InputError otherwise.
template <typename T, std::size_t N>
T chosenWord(const char* parameter, const Word<T> (&words)[N], const std::string& text) {
    if (const std::optional<T> chosen = valueOf(words, text)) {
        return *chosen;
    }
    throw InputProblem(std::string(parameter) + " takes " + choicesText(words) + ", not " + quoted(text));
}

// A number parameter: finite, and greater than 0 or less than 0; InputError otherwise.
double checkedNumber(const std::string& parameter, double value, bool positive);

// The fatigue settings as the parameters give them, checked as the command line checks its options.
struct FatigueParameters {
    std::string model, stress;
    double modulusOfRupture, target;
    std::optional<double> c1, c2, c4, c5;

    // The parameters as korvanex/_fatigue.py's fatigue_settings hands them over, by name.
    static FatigueParameters of(pybind11::dict parameters);

    FatigueSettings settings() const;
};

// The reliability settings as the parameters give them, checked as the command line checks its options:
// each scatter text as --scatter takes it, NAME=COV[:DISTRIBUTION].
struct ReliabilityParameters {
    std::vector<std::string> scatter;
    pybind11::handle samples, seed;
    std::optional<double> reliability;

    ReliabilitySettings settings() const;
};

// The case's batch columns as texts, under their names.
pybind11::dict caseFields(const AnalysisCase& record);

// The cells of a table of load groups: InputError on a header the tool refuses.
SpectrumCells spectrumCellsOf(const Table& table);

// The spectrum of a table of load groups on the case: InputError on a header the tool refuses.
TrafficSpectrum spectrumOf(const Table& table, const AnalysisCase& record);

// The threads that compute rows or samples: one per core unless given, else 1 to MaxBatchJobs.
unsigned jobsOf(pybind11::handle jobs);

} // namespace korvanex::python
