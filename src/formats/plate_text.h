// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/analysis_case.h"
#include "case/fault.h"
#include "plate/plate_model.h"
#include "studies/plate_comparison.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvanex {

// What a number of the plate model measures, which decides its unit.
enum class PlateUnit { Stress, Length, Load, Face };

// A number of the plate model as the outputs give it: its name (its key under "plate" in the JSON,
// and its batch column with "plate_" before it) and its value in psi, in or lb, or for the face its
// word ("top", "bottom"). The reaction is kept in double precision, every other value is a float.
struct PlateFigure {
    std::string_view name;
    PlateUnit unit;
    double value;
    std::string_view face;
};

// A load case as the outputs name it: "under the load alone", "under curling alone", "under the load
// and curling".
std::string_view plateStateName(PlateState state);

// The plate model's numbers in the order every output gives them: the largest tensile stress under
// the load, top or bottom, and its face; the largest under curling alone and under both; the
// reference deflection and the largest deflection under the load; the foundation's total reaction
// under the load.
std::vector<PlateFigure> plateFigures(const PlateResults& results);

// The plate model beside the analysis in parts, in the case's units: the lines that say what was
// computed (the location and gear, the load, the shoulder, the mesh); the table of stresses, its
// headings and a row per load case (the analysis's stress under the report's name with its unit,
// the plate model's largest tensile stress, the difference in percent); where the plate model's
// stresses act, its deflections and the foundation's reaction against the load; and the ratios the
// fitted models clamped.
struct PlateComparisonParts {
    std::vector<std::string> head;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> stresses;
    std::vector<std::string> plate;
    std::vector<std::string> clamped;
};
PlateComparisonParts plateComparisonParts(const AnalysisCase& record, const PlateComparison& comparison);

// The plate model beside the analysis, as lines of text in the case's units: the analysis's
// Loading Stress Only, curling stress and Combined Loading & Curling Stress beside the plate model's
// largest tensile stresses with the difference in percent, where the plate model's stresses and
// deflections stand, the foundation's reaction against the load, and the ratios the fitted models
// clamped. The lines hold no tab, and the table's columns line up in a fixed-width font.
std::vector<std::string> plateComparisonText(const AnalysisCase& record, const PlateComparison& comparison);

// Every number of the comparison as JSON, in psi, inches and pounds: "plate" (plateFigures),
// "analysis" (loading_stress, curling_stress, combined_stress) and "clamped" (the ratios' names).
std::string plateComparisonJson(const PlateComparison& comparison);

// Why a case was not compared, in words: the routine and the step where the computation stopped on a
// floating-point fault, and the inputs to check.
std::string plateFaultText(const FloatingPointFault& fault);

} // namespace korvanex
