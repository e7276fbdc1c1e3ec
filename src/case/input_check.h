// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "case/field_value.h"

#include <string>
#include <string_view>

namespace korvanex {

inline constexpr std::string_view InputCheckTitle = "Input Data Check";
inline constexpr std::string_view KeepValueTitle = "KORVANEX";

// The questions the input check puts to the user, each as one modal message box. The texts come
// composed; the box's title and buttons are named beside each call.
class InputCheckQuestions {
  public:
    virtual ~InputCheckQuestions() = default;

    // Titled InputCheckTitle, with the buttons Cancel, Try Again and Continue; every answer is the same.
    virtual void reportInvalidNumber(const std::string& text) = 0;
    // Titled InputCheckTitle, with the buttons Yes and No; true for Yes.
    virtual bool offerBound(const std::string& text) = 0;
    // Titled KeepValueTitle, with an OK button.
    virtual void confirmKeptValue(const std::string& text) = 0;
};

// Checks one field text on OK: reports a text that is not a non-negative number, and offers the
// violated bound of the typical data range in place of a value outside it. Returns the text the
// field is to hold: the text unchanged, or the bound the user accepted.
std::string CheckInputValue(std::string_view text, std::string_view label, float minimum, float maximum,
                            InputCheckQuestions& ask);

// The dialogs' acceptance test on OK: the whole text reads as a number of 0 or more.
bool isAcceptedFieldText(std::string_view text);
bool isAcceptedFieldNumber(const FieldNumber& number);

// Where a value lies against a typical range, both sides compared in single precision. A value beyond
// the single range counts as infinite, and so lies above the maximum.
enum class RangePlace { Within, BelowMinimum, AboveMaximum };
RangePlace placeInRange(double value, float minimum, float maximum);

std::string invalidNumberMessage(std::string_view label);
// The range part of the range message: "h1 is not within the typical data range( 4,  20)".
std::string rangeText(std::string_view label, float minimum, float maximum);
std::string rangeMessage(std::string_view label, float minimum, float maximum, bool belowMinimum);
std::string keepValueMessage(std::string_view label);

} // namespace korvanex
