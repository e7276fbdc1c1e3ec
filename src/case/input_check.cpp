// SPDX-License-Identifier: Apache-2.0
#include "case/input_check.h"

#include "case/field_value.h"
#include "case/number_text.h"

#include <cmath>
#include <limits>

namespace korvanex {

namespace {

// The value rounded to single precision; beyond the single range it counts as infinite, so that it
// is reported against the maximum.
float singlePrecision(double value) {
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        return value < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

std::string withoutLeadingBlank(std::string text) {
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

} // namespace

std::string invalidNumberMessage(std::string_view label) {
    return std::string(label) + " is an invalid number; please try again!";
}

std::string rangeText(std::string_view label, float minimum, float maximum) {
    return std::string(label) + " is not within the typical data range" + "(" + boundText(minimum) + ", " +
           boundText(maximum) + ")";
}

std::string rangeMessage(std::string_view label, float minimum, float maximum, bool belowMinimum) {
    return rangeText(label, minimum, maximum) + ". " +
           (belowMinimum ? "Accept the suggested minimum value?" : "Accept the suggested maximum value?");
}

RangePlace placeInRange(double value, float minimum, float maximum) {
    const float x = singlePrecision(value);
    if (x < minimum) {
        return RangePlace::BelowMinimum;
    }
    return x > maximum ? RangePlace::AboveMaximum : RangePlace::Within;
}

std::string keepValueMessage(std::string_view label) {
    return "Keep the " + std::string(label) + " input value anyway!";
}

bool isAcceptedFieldText(std::string_view text) {
    return isAcceptedFieldNumber(readFieldNumber(text));
}

bool isAcceptedFieldNumber(const FieldNumber& number) {
    return number.whole && number.value >= 0;
}

std::string CheckInputValue(std::string_view text, std::string_view label, float minimum, float maximum,
                            InputCheckQuestions& ask) {
    const double value = numericPrefix(text);
    if (!isWholeNumberText(text) || value < 0) {
        ask.reportInvalidNumber(invalidNumberMessage(label));
        return std::string(text);
    }
    const RangePlace place = placeInRange(value, minimum, maximum);
    if (place == RangePlace::Within) {
        return std::string(text);
    }
    const bool belowMinimum = place == RangePlace::BelowMinimum;
    if (ask.offerBound(rangeMessage(label, minimum, maximum, belowMinimum))) {
        return withoutLeadingBlank(boundText(belowMinimum ? minimum : maximum));
    }
    ask.confirmKeptValue(keepValueMessage(label));
    return std::string(text);
}

} // namespace korvanex
