// SPDX-License-Identifier: Apache-2.0
#include "case/number_text.h"

#include "case/field_value.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

namespace korvanex {

namespace {

// The patterns have at most seven decimals.
constexpr int kMaxDecimals = 7;
constexpr std::array<std::uint64_t, kMaxDecimals + 1> kPowersOfTen = {1,     10,     100,     1000,
                                                                      10000, 100000, 1000000, 10000000};

// A field text whose number would need more digits than this is left as it is rather than expanded.
constexpr long long kMaxFieldDigits = 400;

// Lays out a rounded magnitude given as its decimal digits scaled by 10^decimals: at least one digit
// before the point, and no sign when the magnitude is zero.
std::string placePoint(std::string digits, int decimals, bool negative) {
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    const bool isZero = firstNonZero == std::string::npos;
    digits.erase(0, isZero ? digits.size() : firstNonZero);
    const std::size_t minimumLength = static_cast<std::size_t>(decimals) + 1;
    if (digits.size() < minimumLength) {
        digits.insert(0, minimumLength - digits.size(), '0');
    }
    if (decimals > 0) {
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    }
    if (negative && !isZero) {
        digits.insert(0, 1, '-');
    }
    return digits;
}

std::string decimalDigits(unsigned __int128 value) {
    std::array<char, 40> buffer{};
    std::size_t position = buffer.size();
    do {
        buffer[--position] = static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value != 0);
    return std::string(buffer.data() + position, buffer.size() - position);
}

// Adds one unit in the last place of a digit string, carrying to the left.
void incrementDigits(std::string& digits) {
    for (auto position = digits.rbegin(); position != digits.rend(); ++position) {
        if (*position != '9') {
            ++*position;
            return;
        }
        *position = '0';
    }
    digits.insert(0, 1, '1');
}

template <typename T> void appendShortest(std::string& text, T value) {
    if (!std::isfinite(value)) {
        text += numberWords(value);
        return;
    }
    char buffer[32];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, static_cast<std::size_t>(end - buffer));
}

// Wide enough for the largest float written out in full.
constexpr std::size_t FixedFloatDigits = 64;

} // namespace

std::string_view numberWords(double value) {
    if (std::isnan(value)) {
        return "not known";
    }
    if (value > LargestWrittenNumber) {
        return "> 1E+300";
    }
    return value < -LargestWrittenNumber ? "< -1E+300" : "";
}

std::string formatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (const std::string_view words = numberWords(value); !words.empty()) {
        return std::string(words);
    }
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // magnitude = mantissa * 2^exponent with an integer mantissa below 2^53.
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int exponent = binaryExponent - 53;

    if (exponent >= 0) {
        // A whole number: the C library prints it exactly.
        std::array<char, 400> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.0f", magnitude);
        std::string digits = buffer.data();
        digits.append(static_cast<std::size_t>(decimals), '0');
        return placePoint(std::move(digits), decimals, negative);
    }

    // Below 2^-47 even seven decimals round to zero; this also keeps the shifts inside 128 bits.
    const int shift = -exponent;
    if (shift > 100) {
        return placePoint("0", decimals, negative);
    }
    const unsigned __int128 scaled =
        static_cast<unsigned __int128>(mantissa) * kPowersOfTen[static_cast<std::size_t>(decimals)];
    const unsigned __int128 one = 1;
    unsigned __int128 rounded = scaled >> shift;
    const unsigned __int128 remainder = scaled & ((one << shift) - 1);
    if (remainder >= (one << (shift - 1))) {
        ++rounded;
    }
    return placePoint(decimalDigits(rounded), decimals, negative);
}

std::string formatSignedFixed(double value, int decimals) {
    const std::string text = formatFixed(value, decimals);
    return text.starts_with('-') || text.find_first_not_of("0.") == std::string::npos ? text : "+" + text;
}

std::string formatFieldText(std::string_view text, int decimals) {
    if (!isWholeNumberText(text)) {
        return std::string(text);
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const NumberPrefix prefix = findNumberPrefix(text);
    std::string_view number = text.substr(prefix.start, prefix.length);

    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-') {
        number.remove_prefix(1);
    }

    // The written digits, with the point standing after `pointPosition` of them.
    std::string digits;
    long long pointPosition = 0;
    bool afterPoint = false;
    std::size_t position = 0;
    for (; position < number.size() && number[position] != 'e' && number[position] != 'E'; ++position) {
        if (number[position] == '.') {
            afterPoint = true;
            continue;
        }
        digits.push_back(number[position]);
        if (!afterPoint) {
            ++pointPosition;
        }
    }
    if (position < number.size()) {
        ++position;
        const bool negativeExponent = number[position] == '-';
        if (number[position] == '+' || number[position] == '-') {
            ++position;
        }
        // Beyond this size the exponent alone makes the number too long to write out, or zero.
        const long long exponentLimit = static_cast<long long>(number.size()) + kMaxFieldDigits;
        long long exponent = 0;
        for (; position < number.size(); ++position) {
            exponent = std::min(exponent * 10 + (number[position] - '0'), exponentLimit);
        }
        pointPosition += negativeExponent ? -exponent : exponent;
    }

    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return placePoint("0", decimals, negative);
    }
    digits.erase(0, firstNonZero);
    pointPosition -= static_cast<long long>(firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);

    // The value is 0.digits * 10^pointPosition; keep the digits down to the last decimal.
    const long long kept = pointPosition + decimals;
    if (kept > kMaxFieldDigits) {
        return std::string(text);
    }
    if (kept < 0) {
        return placePoint("0", decimals, negative);
    }
    const auto keptDigits = static_cast<std::size_t>(kept);
    if (keptDigits >= digits.size()) {
        digits.append(keptDigits - digits.size(), '0');
        return placePoint(std::move(digits), decimals, negative);
    }
    const bool roundUp = digits[keptDigits] >= '5';
    digits.erase(keptDigits);
    if (roundUp) {
        incrementDigits(digits);
    }
    return placePoint(digits.empty() ? "0" : std::move(digits), decimals, negative);
}

bool isWholeNumberText(std::string_view text) {
    return readFieldNumber(text).whole;
}

std::optional<double> finiteNumber(std::string_view text, double largest) {
    const FieldNumber number = readFieldNumber(text);
    if (!number.whole || !(std::fabs(number.value) <= largest)) {
        return std::nullopt;
    }
    return number.value;
}

std::string boundText(float bound) {
    if (!std::isfinite(bound)) {
        std::array<char, 16> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%g", static_cast<double>(bound));
        return buffer.data();
    }
    const std::string sign = bound < 0 ? "-" : " ";

    // Seven significant digits of the exact value, as "d.dddddde+XX".
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.6e", std::fabs(static_cast<double>(bound)));
    const std::string_view scientific = buffer.data();
    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    digits.push_back(scientific[0]);
    digits.append(scientific.substr(2, exponentMark - 2));
    const int exponent = std::stoi(std::string(scientific.substr(exponentMark + 1)));
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    digits.erase(lastNonZero == std::string::npos ? 1 : lastNonZero + 1);

    if (exponent < -4 || exponent > 6) {
        std::string mantissa = digits.substr(0, 1);
        if (digits.size() > 1) {
            mantissa += '.';
            mantissa += digits.substr(1);
        }
        std::array<char, 8> exponentText{};
        std::snprintf(exponentText.data(), exponentText.size(), "%+03d", exponent);
        return sign + mantissa + "E" + exponentText.data();
    }
    if (exponent < 0) {
        return sign + "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    }
    return sign + digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

void appendFloatText(std::string& text, float value) {
    appendShortest(text, value);
}

void appendDoubleText(std::string& text, double value) {
    appendShortest(text, value);
}

std::string floatText(float value) {
    std::string text;
    appendFloatText(text, value);
    return text;
}

std::string doubleText(double value) {
    std::string text;
    appendDoubleText(text, value);
    return text;
}

std::string fixedFloatText(float value) {
    char buffer[FixedFloatDigits];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, static_cast<std::size_t>(end - buffer));
}

} // namespace korvanex
