#include "case/unit_conversion.h"

#include "case/fault.h"
#include "case/field_value.h"

#include <cmath>
#include <string>

namespace korvanex {

namespace {

// English values are taken as they are, except the slab length and width (feet to inches); metric
// values are divided by these factors, used exactly as written.
double metricFactor(Field field) {
    switch (field) {
    case Field::P:
        return 0.00445; // kN to lb
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

} // namespace

float toComputationUnits(const AnalysisCase& record, Field field) {
    const std::string step = "reading " + std::string(fieldName(field));
    return FaultCheck("AnalysisDriver")
        .single(convert(numericPrefix(record.text(field)), field, record.units), step.c_str());
}

ComputationInputs toComputationUnits(const AnalysisCase& record) {
    ComputationInputs inputs;
    inputs.P = toComputationUnits(record, Field::P);
    inputs.tp = toComputationUnits(record, Field::tp);
    inputs.S = toComputationUnits(record, Field::S);
    inputs.t = toComputationUnits(record, Field::t);
    inputs.d = toComputationUnits(record, Field::d);
    inputs.h1 = toComputationUnits(record, Field::h1);
    inputs.h2 = toComputationUnits(record, Field::h2);
    inputs.E1 = toComputationUnits(record, Field::E1);
    inputs.E2 = toComputationUnits(record, Field::E2);
    inputs.mu1 = toComputationUnits(record, Field::mu1);
    inputs.r1 = toComputationUnits(record, Field::r1);
    inputs.L = toComputationUnits(record, Field::L);
    inputs.W = toComputationUnits(record, Field::W);
    inputs.k = toComputationUnits(record, Field::k);
    inputs.AGG = toComputationUnits(record, Field::AGG);
    inputs.d0 = toComputationUnits(record, Field::d0);
    inputs.F = toComputationUnits(record, Field::F);
    inputs.alp = toComputationUnits(record, Field::alp);
    return inputs;
}

} // namespace korvanex
