// SPDX-License-Identifier: Apache-2.0
#include "case/field_numbers.h"

namespace korvanex {

FieldNumbers readFieldNumbers(const AnalysisCase& record) {
    FieldNumbers numbers;
    for (std::size_t index = 0; index < FieldCount; ++index) {
        numbers[index] = readFieldNumber(record.text(static_cast<Field>(index)));
    }
    return numbers;
}

} // namespace korvanex
