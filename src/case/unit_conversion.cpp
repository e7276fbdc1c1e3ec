// SPDX-License-Identifier: Apache-2.0
#include "case/unit_conversion.h"

#include "case/fault.h"
#include "case/field_value.h"

#include <array>
#include <cmath>
#include <string>

namespace korvanex {

namespace {

// English values are taken as they are, except the slab length and width (feet to inches); metric
// values are divided by these factors, used exactly as written.
double metricFactor(Field field) {
    switch (field) {
    case Field::P:
        return KnPerLb;
    case Field::tp:
    case Field::E1:
    case Field::E2:
    case Field::AGG:
        return KpaPerPsi;
    case Field::S:
    case Field::t:
    case Field::d:
    case Field::h1:
    case Field::h2:
    case Field::d0:
        return CmPerInch;
    case Field::L:
    case Field::W:
        return 0.0254; // m to in
    case Field::r1:
    case Field::r2:
        return 27700.0; // kg/m^3 to pci
    case Field::k:
        return 0.271; // kPa/mm to psi/in
    case Field::alp:
        return 1.8; // per degC to per degF
    case Field::mu1:
    case Field::mu2:
    case Field::F:
        break;
    }
    return 1.0;
}

double convert(double value, Field field, UnitSystem units) {
    if (field == Field::F) {
        // A temperature difference: its sign does not matter, and a degC step is 1.8 degF steps.
        return units == UnitSystem::Metric ? std::fabs(value) * 1.8 : std::fabs(value);
    }
    if (units == UnitSystem::English) {
        return (field == Field::L || field == Field::W) ? value * 12 : value;
    }
    return value / metricFactor(field);
}

// The fault step of each field's reading, "reading h1", made once.
const char* readingStep(Field field) {
    static const std::array<std::string, FieldCount> steps = [] {
        std::array<std::string, FieldCount> texts;
        for (std::size_t index = 0; index < FieldCount; ++index) {
            texts[index] = "reading " + std::string(fieldName(static_cast<Field>(index)));
        }
        return texts;
    }();
    return steps[static_cast<std::size_t>(field)].c_str();
}

float inComputationUnits(double value, Field field, UnitSystem units) {
    return FaultCheck("AnalysisDriver").single(convert(value, field, units), readingStep(field));
}

} // namespace

float toComputationUnits(const AnalysisCase& record, Field field) {
    return inComputationUnits(numericPrefix(record.text(field)), field, record.units);
}

ComputationInputs toComputationUnits(const AnalysisCase& record) {
    return toComputationUnits(record, readFieldNumbers(record));
}

ComputationInputs toComputationUnits(const AnalysisCase& record, const FieldNumbers& numbers) {
    const auto in = [&](Field field) {
        return inComputationUnits(numbers[static_cast<std::size_t>(field)].value, field, record.units);
    };
    ComputationInputs inputs;
    inputs.P = in(Field::P);
    inputs.tp = in(Field::tp);
    inputs.S = in(Field::S);
    inputs.t = in(Field::t);
    inputs.d = in(Field::d);
    inputs.h1 = in(Field::h1);
    inputs.h2 = in(Field::h2);
    inputs.E1 = in(Field::E1);
    inputs.E2 = in(Field::E2);
    inputs.mu1 = in(Field::mu1);
    inputs.r1 = in(Field::r1);
    inputs.L = in(Field::L);
    inputs.W = in(Field::W);
    inputs.k = in(Field::k);
    inputs.AGG = in(Field::AGG);
    inputs.d0 = in(Field::d0);
    inputs.F = in(Field::F);
    inputs.alp = in(Field::alp);
    return inputs;
}

} // namespace korvanex
