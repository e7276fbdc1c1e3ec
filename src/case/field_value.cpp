// SPDX-License-Identifier: Apache-2.0
#include "case/field_value.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace korvanex {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t position) {
    while (position < text.size() && isDigit(text[position])) {
        ++position;
    }
    return position;
}

// The decimal exponent of the leading significant digit of a plain number text, used to tell an
// overflow from an underflow when the value lies beyond the double range.
long long leadingExponent(std::string_view number) {
    std::size_t position = 0;
    if (number[position] == '+' || number[position] == '-') {
        ++position;
    }
    long long exponent = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    long long integerDigits = 0;
    long long leadingFractionZeros = 0;
    for (; position < number.size() && number[position] != 'e' && number[position] != 'E'; ++position) {
        const char c = number[position];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenDigit && c == '0') {
            if (seenPoint) {
                ++leadingFractionZeros;
            }
        } else {
            if (!seenDigit && seenPoint) {
                integerDigits = -leadingFractionZeros;
            }
            seenDigit = true;
            if (!seenPoint) {
                ++integerDigits;
            }
        }
    }
    if (position < number.size()) {
        long long written = 0;
        bool negative = false;
        ++position;
        if (number[position] == '+' || number[position] == '-') {
            negative = number[position] == '-';
            ++position;
        }
        for (; position < number.size(); ++position) {
            if (written < 1000000000LL) {
                written = written * 10 + (number[position] - '0');
            }
        }
        exponent = negative ? -written : written;
    }
    return integerDigits + exponent;
}

} // namespace

NumberPrefix findNumberPrefix(std::string_view text) {
    std::size_t position = 0;
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t')) {
        ++position;
    }
    NumberPrefix prefix;
    prefix.start = position;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        ++position;
    }
    const std::size_t integerEnd = skipDigits(text, position);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > position;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit) {
        return prefix;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent) {
            end = exponentEnd;
        }
    }
    prefix.length = end - prefix.start;
    return prefix;
}

double parseDecimal(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    std::string_view unsignedPart = number;
    if (!unsignedPart.empty() && (unsignedPart.front() == '+' || unsignedPart.front() == '-')) {
        unsignedPart.remove_prefix(1);
    }
    double value = 0;
    const auto result =
        std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = leadingExponent(unsignedPart) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

FieldNumber readFieldNumber(std::string_view text) {
    const NumberPrefix prefix = findNumberPrefix(text);
    if (prefix.length == 0) {
        return {};
    }
    const std::string_view rest = text.substr(prefix.start + prefix.length);
    return {parseDecimal(text.substr(prefix.start, prefix.length)),
            rest.find_first_not_of(" \t") == std::string_view::npos};
}

double numericPrefix(std::string_view text) {
    const NumberPrefix prefix = findNumberPrefix(text);
    if (prefix.length == 0) {
        return 0;
    }
    return parseDecimal(text.substr(prefix.start, prefix.length));
}

} // namespace korvanex
