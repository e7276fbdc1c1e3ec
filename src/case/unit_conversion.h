// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/field_numbers.h"

#include <string_view>

namespace korvanex {

// The system's own rounded factors between its English and metric stresses and lengths.
inline constexpr double KpaPerPsi = 6.89;
inline constexpr double CmPerInch = 2.54;
inline constexpr double KnPerLb = 0.00445;

// A stress computed in psi, and a length computed in inches, in the given unit system.
inline double inStressUnit(double psi, UnitSystem units) {
    return units == UnitSystem::Metric ? psi * KpaPerPsi : psi;
}
inline double inLengthUnit(double inches, UnitSystem units) {
    return units == UnitSystem::Metric ? inches * CmPerInch : inches;
}
// A load computed in lb, in lbs or kN.
inline double inLoadUnit(double pounds, UnitSystem units) {
    return units == UnitSystem::Metric ? pounds * KnPerLb : pounds;
}

// The words of those units: psi and in, or kPa and cm.
inline std::string_view stressUnitWord(UnitSystem units) {
    return units == UnitSystem::Metric ? "kPa" : "psi";
}
inline std::string_view lengthUnitWord(UnitSystem units) {
    return units == UnitSystem::Metric ? "cm" : "in";
}
inline std::string_view loadUnitWord(UnitSystem units) {
    return units == UnitSystem::Metric ? "kN" : "lbs";
}

// The inputs of one case in the engine's computation units: lb, in, psi, pci (psi/in for k, lb/in^3
// for unit weights), degF and 1/degF, each stored in single precision. P is the whole axle load.
// The second layer's Poisson ratio and unit weight take no part in the analysis.
struct ComputationInputs {
    float P = 0, tp = 0, S = 0, t = 0, d = 0;
    float h1 = 0, h2 = 0, E1 = 0, E2 = 0, mu1 = 0, r1 = 0;
    float L = 0, W = 0, k = 0, AGG = 0, d0 = 0;
    float F = 0, alp = 0;
};

// Reads every field the analysis uses by its leading number and converts it into computation units with the
// system's own rounded factors. Throws FloatingPointFault when a value does not fit in single precision.
ComputationInputs toComputationUnits(const AnalysisCase& record);
// The same conversion of the case's field texts as already read.
ComputationInputs toComputationUnits(const AnalysisCase& record, const FieldNumbers& numbers);

// The value of one field in computation units.
float toComputationUnits(const AnalysisCase& record, Field field);

} // namespace korvanex
