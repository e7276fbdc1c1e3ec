// SPDX-License-Identifier: Apache-2.0
// The number texts: the numeric-prefix rule, the whole-text test, the fixed patterns applied to texts
// and to values, and the bound text of the range messages.

#include "case/field_value.h"
#include "case/number_text.h"
#include "fuzz_property.h"
#include "pattern_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace korvanex::fuzz {
namespace {

constexpr int Patterns[] = {0, 1, 2, 3, 7};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool allBlank(std::string_view text) {
    for (char c : text) {
        if (!isBlank(c)) {
            return false;
        }
    }
    return true;
}

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

double ulp(double x) {
    const double magnitude = std::fabs(x);
    return std::nextafter(magnitude, std::numeric_limits<double>::infinity()) - magnitude;
}

// Two doubles that each round an exact decimal, where the exact decimals differ by at most half a unit
// of the last of `decimals` places.
bool withinHalfUnit(double a, double b, int decimals) {
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    const double slack = ulp(std::fmax(std::fabs(a), std::fabs(b)));
    return std::fabs(a - b) <= (halfUnit + slack) * (1 + 1e-12);
}

// The C library's correctly rounded reading of a decimal number text, beyond the range included.
double libraryValue(std::string_view number) {
    const std::string copy(number);
    return std::strtod(copy.c_str(), nullptr);
}

void checkPrefix(std::string_view text) {
    const NumberPrefix prefix = findNumberPrefix(text);
    require(prefix.start <= text.size() && prefix.length <= text.size() - prefix.start,
            "the number prefix lies inside the text");
    require(allBlank(text.substr(0, prefix.start)), "only blanks stand before the number");
    const double value = numericPrefix(text);
    require(!std::isnan(value), "the leading number is never NaN");
    if (prefix.length == 0) {
        require(sameDouble(value, 0.0), "a text without a leading number reads as 0");
        require(!isWholeNumberText(text), "a text without a leading number is not a whole number");
        return;
    }
    const std::string_view number = text.substr(prefix.start, prefix.length);
    const NumberPrefix again = findNumberPrefix(number);
    require(again.start == 0 && again.length == number.size(), "the number found is a number by itself");
    require(isWholeNumberText(number), "the number found is a whole number text");
    require(sameDouble(value, parseDecimal(number)), "the leading number is the number found");
    require(sameDouble(value, libraryValue(number)), "the leading number is rounded correctly");
    require(isWholeNumberText(text) == allBlank(text.substr(prefix.start + prefix.length)),
            "a whole number text is its number between blanks");
}

void checkFieldPatterns(std::string_view text) {
    const bool whole = isWholeNumberText(text);
    const double value = numericPrefix(text);
    for (int decimals : Patterns) {
        const std::string formatted = formatFieldText(text, decimals);
        if (!whole) {
            require(formatted == text, "a text that is not a number comes back unchanged");
            continue;
        }
        if (!isPatternText(formatted, decimals)) {
            // Only a number too long to write out is left as it was typed.
            require(formatted == text && std::isinf(value), "a whole number text is formatted");
            continue;
        }
        require(formatFieldText(formatted, decimals) == formatted, "formatting a formatted text keeps it");
        const double rounded = numericPrefix(formatted);
        if (std::isinf(value)) {
            require(rounded == value, "a number beyond the double range stays beyond it");
            continue;
        }
        require(withinHalfUnit(rounded, value, decimals), "the pattern rounds to the nearest unit");
        require(rounded == 0 || std::signbit(rounded) == std::signbit(value), "the pattern keeps the sign");
    }
}

// A value beyond the largest written number, infinite or not, and a NaN are written in words.
void checkFixed(double value) {
    if (std::isnan(value) || std::fabs(value) > LargestWrittenNumber) {
        for (int decimals : Patterns) {
            require(formatFixed(value, decimals) == numberWords(value),
                    "a value beyond 1E+300 is said in words");
        }
        return;
    }
    for (int decimals : Patterns) {
        const std::string formatted = formatFixed(value, decimals);
        require(isPatternText(formatted, decimals), "a value is formatted in the pattern");
        require(withinHalfUnit(numericPrefix(formatted), value, decimals),
                "the formatted value rounds to the nearest unit");
        require(formatFieldText(formatted, decimals) == formatted,
                "the text pattern keeps what the value pattern wrote");
    }
}

// Seven significant digits of a float come back within half a unit of the seventh digit.
void checkBound(float bound) {
    if (!std::isfinite(bound)) {
        return;
    }
    const std::string text = boundText(bound);
    require(!text.empty() && text[0] == (bound < 0 ? '-' : ' '), "a bound text starts with its sign");
    const std::string_view body = std::string_view(text).substr(1);
    const NumberPrefix prefix = findNumberPrefix(body);
    require(prefix.start == 0 && prefix.length == body.size(), "a bound text is one number");
    const std::size_t exponentMark = body.find('E');
    const std::string_view mantissa = body.substr(0, exponentMark);
    const std::size_t firstSignificant = mantissa.find_first_not_of("0.");
    std::size_t significant = 0;
    if (firstSignificant != std::string_view::npos) {
        for (char c : mantissa.substr(firstSignificant)) {
            significant += c != '.';
        }
    }
    require(significant <= 7, "a bound text has at most seven significant digits");
    if (mantissa.find('.') != std::string_view::npos) {
        require(mantissa.back() != '0' && mantissa.back() != '.', "a bound text drops trailing zeros");
    }
    const double magnitude = std::fabs(static_cast<double>(bound));
    if (exponentMark == std::string_view::npos) {
        require(magnitude == 0 || magnitude >= 1 || mantissa[0] == '.', "no 0 stands before the point");
    } else {
        const std::string_view exponent = body.substr(exponentMark + 1);
        require(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-'),
                "the exponent has a sign and two digits");
        const int power = std::atoi(std::string(exponent).c_str());
        require(power < -4 || power > 6, "exponent form only outside 1E-4 to 1E+6");
    }
    const double read = numericPrefix(text);
    require(std::fabs(read - static_cast<double>(bound)) <= magnitude * (5e-7 + 1e-15),
            "a bound text reads back within seven significant digits");
}

template <typename T> T fromBytes(const std::uint8_t* data) {
    T value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

} // namespace
} // namespace korvanex::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvanex::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkPrefix(text);
    checkFieldPatterns(text);
    if (size >= sizeof(double)) {
        checkFixed(fromBytes<double>(data));
    }
    if (size >= sizeof(float)) {
        checkBound(fromBytes<float>(data));
    }
    const double value = korvanex::numericPrefix(text);
    checkFixed(value);
    if (std::fabs(value) <= std::numeric_limits<float>::max()) {
        checkBound(static_cast<float>(value));
    }
    return 0;
}
