// SPDX-License-Identifier: Apache-2.0
#include "case/case_check.h"

#include "case/input_check.h"
#include "case/number_text.h"
#include "case/typical_ranges.h"

#include <cmath>

namespace korvanex {

namespace {

constexpr Field CheckedFields[] = {
    Field::h1, Field::E1,  Field::r1, Field::mu1, Field::L, Field::W, Field::k, Field::h2, Field::E2,
    Field::d0, Field::AGG, Field::P,  Field::tp,  Field::S, Field::t, Field::d, Field::F,  Field::alp,
};

bool isAccepted(Field field, const FieldNumber& number) {
    return field == Field::F ? number.whole : isAcceptedFieldNumber(number);
}

bool isRangeChecked(Field field, const AnalysisCase& record) {
    switch (field) {
    case Field::h2:
    case Field::E2:
        return record.layer != LayerType::OneLayer;
    case Field::d0:
        return record.widenedLane;
    case Field::AGG:
        return record.tiedShoulder;
    default:
        return true;
    }
}

} // namespace

CaseCheck checkCaseFields(const AnalysisCase& record) {
    return checkCaseFields(record, readFieldNumbers(record));
}

CaseCheck checkCaseFields(const AnalysisCase& record, const FieldNumbers& numbers) {
    CaseCheck check;
    for (Field field : CheckedFields) {
        const TypicalRange range = typicalRange(field, record.units).value();
        const FieldNumber& number = numbers[static_cast<std::size_t>(field)];
        if (!isAccepted(field, number)) {
            if (check.refusal.empty()) {
                check.refusal = invalidNumberMessage(range.label);
            }
            continue;
        }
        const double value = std::fabs(number.value);
        if (isRangeChecked(field, record) &&
            placeInRange(value, range.minimum, range.maximum) != RangePlace::Within) {
            check.warnings.push_back(rangeText(range.label, range.minimum, range.maximum));
        }
    }
    return check;
}

} // namespace korvanex
