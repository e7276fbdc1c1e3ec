// SPDX-License-Identifier: Apache-2.0
#pragma once

class QValueAxis;

namespace korvanex {

// Puts an axis's grid lines on round multiples of 1, 2 or 5 times a power of ten, about eight across
// its range, whatever odd numbers the range ends on.
void setRoundTicks(QValueAxis& axis);

} // namespace korvanex
