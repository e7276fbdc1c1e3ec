// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace korvanex {

// No output ever shows inf or nan. A number that is not finite is written in words: "> 1E+300" or
// "< -1E+300" for an infinity, "not known" for a NaN; so is a finite number beyond 1E+300 in the fixed
// patterns, which would write it in some three hundred digits. A JSON document writes null
// (formats/json_text.h).
inline constexpr double LargestWrittenNumber = 1e300;

// The words for a number beyond the largest written number, infinite or not, or a NaN; empty for
// any other number.
std::string_view numberWords(double value);

// The fixed patterns "0", "0.0", "0.00", "0.000", "0.0000000" (decimals = 0, 1, 2, 3, 7) applied to a
// value: rounded half away from zero on the exact binary value, at least one digit before the point,
// a minus sign for negatives, and no sign when the value rounds to zero; numberWords beyond the
// largest written number.
std::string formatFixed(double value, int decimals);

// The same with a plus sign before a positive value that does not round to zero: "+2.515", "-0.104",
// "0.000".
std::string formatSignedFixed(double value, int decimals);

// The pattern applied to a field text: a text that is a complete valid number (isWholeNumberText) is
// rounded as the decimal number it is written as; any other text comes back unchanged.
std::string formatFieldText(std::string_view text, int decimals);

// Whether the whole text reads as one number: blanks around, an optional sign, digits with at most one
// decimal point, and an optional exponent (E or e, optional sign, digits). Empty text fails.
bool isWholeNumberText(std::string_view text);

// The value of a number typed where a number is asked for: a text that is one number
// (isWholeNumberText) no larger in magnitude than `largest`, the double range unless it is given.
// None for any other text, "1e999" among them.
std::optional<double> finiteNumber(std::string_view text,
                                   double largest = std::numeric_limits<double>::max());

// The text in which a range message shows a bound: a leading blank for non-negative values, at most
// seven significant digits without trailing zeros, no 0 before the point below 1, and exponent form
// outside 1E-4 .. 1E+6 ("1E-05", "5.512E+07").
std::string boundText(float bound);

// The shortest text that reads back as the same value, as every CSV and JSON output writes its
// numbers: "243.8", "0.1", "1e+06". A float is written as the float it is, a double as the double;
// a value that is not finite in numberWords.
void appendFloatText(std::string& text, float value);
void appendDoubleText(std::string& text, double value);
std::string floatText(float value);
std::string doubleText(double value);

// The shortest text without an exponent that reads back as the same float, as a field text takes a
// value: "8.25", "0.0000055", "40000000".
std::string fixedFloatText(float value);

} // namespace korvanex
