// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "engine/analysis_results.h"

#include <span>
#include <string_view>

namespace korvanex {

// What a result field measures, which decides its unit in the report's unit system.
enum class ResultKind { Stress, Length, Factor };

// Which computation step writes a result field.
enum class ResultGroup { Driver, EdgeModel, Composition };

struct ResultField {
    std::string_view name;
    ResultGroup group;
    ResultKind kind;
    float AnalysisResults::*single; // every field but the radius of relative stiffness
    double AnalysisResults::*wide;  // the radius of relative stiffness, kept in double precision
};

// Every result field under its name in the code, in the order driver, edge model, composition.
std::span<const ResultField> resultFields();

// The result field stored in the given member; every member has one.
const ResultField& resultFieldOf(float AnalysisResults::*single);
const ResultField& resultFieldOf(double AnalysisResults::*wide);

double resultValue(const AnalysisResults& results, const ResultField& field);

} // namespace korvanex
