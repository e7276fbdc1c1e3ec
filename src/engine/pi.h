// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace korvanex {

// π as every closed form of the engine uses it, to nine digits.
inline constexpr double Pi = 3.14159265;

} // namespace korvanex
