// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string_view>

namespace korvanex::fuzz {

// Whether a text has the exact form of a fixed pattern with the given number of decimals: an
// optional minus sign, at least one digit before the point and no leading zero before another
// digit, a point and exactly `decimals` digits (none for 0 decimals), and no sign on a zero.
inline bool isPatternText(std::string_view text, int decimals) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t position = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        ++position;
    }
    const std::size_t integerStart = position;
    while (position < text.size() && isDigit(text[position])) {
        ++position;
    }
    const std::size_t integerDigits = position - integerStart;
    if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0')) {
        return false;
    }
    if (decimals > 0) {
        if (position >= text.size() || text[position] != '.') {
            return false;
        }
        const std::size_t fractionStart = ++position;
        while (position < text.size() && isDigit(text[position])) {
            ++position;
        }
        if (position - fractionStart != static_cast<std::size_t>(decimals)) {
            return false;
        }
    }
    if (position != text.size()) {
        return false;
    }
    return !negative || text.find_first_of("123456789") != std::string_view::npos;
}

} // namespace korvanex::fuzz
