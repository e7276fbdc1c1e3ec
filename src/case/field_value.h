// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

namespace korvanex {

// The numeric value of a field text: the longest leading decimal number, 0 when there is none.
// Leading blanks and tabs are skipped; a sign must stand directly before the digits; an exponent
// part (E or e, optional sign, digits) belongs to the number. Only decimal digits count: "inf",
// "nan" and "0x10" read as 0 and "1d3" as 1. A number beyond the double range reads as infinity.
double numericPrefix(std::string_view text);

// The leading decimal number of a text, split into its parts. `length` is 0 when the text does not
// start with a number (after leading blanks and tabs).
struct NumberPrefix {
    std::size_t start = 0;  // first character of the number (its sign, if any)
    std::size_t length = 0; // characters of the number, sign and exponent included
};
NumberPrefix findNumberPrefix(std::string_view text);

// A field text read once: its leading number (numericPrefix) and whether the whole text is that one
// number with blanks and tabs around it at most (isWholeNumberText).
struct FieldNumber {
    double value = 0;
    bool whole = false;
};
FieldNumber readFieldNumber(std::string_view text);

// A decimal number text without blanks (the part that findNumberPrefix finds) as a double, rounded
// correctly and independently of the locale.
double parseDecimal(std::string_view number);

} // namespace korvanex
