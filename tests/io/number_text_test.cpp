// SPDX-License-Identifier: Apache-2.0
#include "case/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace korvanex {
namespace {

struct Fixed {
    double value;
    int decimals;
    const char* text;
};

// The exact binary value rounds half away from zero: 0.435 is 0.43499999999999999778..., 0.435f is
// 0.43500000238418579..., 2.675 is 2.67499999999999982236..., 0.05 is 0.05000000000000000277...;
// zero never has a sign.
const Fixed fixedTexts[] = {
    // clang-format off
    {186.94, 1, "186.9"}, {0.0000055, 7, "0.0000055"}, {-361.94, 1, "-361.9"},
    {4503599627370495.5, 7, "4503599627370495.5000000"}, {std::ldexp(1.0, -24), 7, "0.0000001"},
    {0.125, 2, "0.13"}, {0.435, 2, "0.43"}, {0.435f, 2, "0.44"}, {2.675, 2, "2.67"}, {0.05, 1, "0.1"},
    {9.96, 1, "10.0"}, {-0.9996, 3, "-1.000"}, {-0.0, 1, "0.0"}, {-0.04, 1, "0.0"},
    {-std::numeric_limits<double>::denorm_min(), 3, "0.000"},
    // Beyond 1E+300 a value is said in words, never as inf or nan or in three hundred digits.
    {INFINITY, 2, "> 1E+300"}, {1.5e300, 0, "> 1E+300"}, {-1e301, 1, "< -1E+300"}, {NAN, 3, "not known"},
    // clang-format on
};

struct FieldText {
    const char* text;
    int decimals;
    const char* formatted;
};

// A field text is rounded as written, in decimal; a text that is not one whole number stays as typed.
const FieldText fieldTexts[] = {
    // clang-format off
    {"0.435", 2, "0.44"}, {"2.675", 2, "2.68"}, {" 12 ", 2, "12.00"}, {"5.5E-06", 7, "0.0000055"},
    {"+1E+07", 0, "10000000"}, {"007.50", 1, "7.5"}, {"9.995", 2, "10.00"}, {"-9.995", 2, "-10.00"},
    {"-0.001", 2, "0.00"}, {"0e999999", 1, "0.0"}, {"12abc", 2, "12abc"}, {"1,5", 1, "1,5"}, {"", 2, ""},
    {"1e999", 0, "1e999"},
    // clang-format on
};

} // namespace

TEST(NumberText, FormatFixedRoundsTheExactValueHalfAwayFromZero) {
    for (const Fixed& fixed : fixedTexts) {
        EXPECT_EQ(formatFixed(fixed.value, fixed.decimals), fixed.text) << fixed.value;
    }
}

TEST(NumberText, FormatFieldTextRoundsTheNumberAsWritten) {
    for (const FieldText& field : fieldTexts) {
        EXPECT_EQ(formatFieldText(field.text, field.decimals), field.formatted) << field.text;
    }
    EXPECT_EQ(formatFieldText("1e350", 0), "1" + std::string(350, '0'));
}

TEST(NumberText, WholeNumberTextIsOneCompleteNumber) {
    for (const char* text : {"12", "\t12\t", "-5", "1.", ".5", "5.5E-06", "+1E+07"}) {
        EXPECT_TRUE(isWholeNumberText(text)) << text;
    }
    for (const char* text :
         {"", "   ", "12abc", "1 2", ".", "- 5", "1e", "1e+", "1.2.3", "inf", "0x10", "1,5"}) {
        EXPECT_FALSE(isWholeNumberText(text)) << text;
    }
}

TEST(NumberText, AFiniteNumberIsOneWholeNumberWithinTheLargestMagnitude) {
    constexpr double Float = std::numeric_limits<float>::max();
    const struct {
        const char* text;
        double largest;
        std::optional<double> value;
    } numbers[] = {
        {" 12 ", DBL_MAX, 12},
        {"-2.5e3", DBL_MAX, -2500},
        {"1.7e308", DBL_MAX, 1.7e308},
        {"1e999", DBL_MAX, std::nullopt},
        {"-1e999", DBL_MAX, std::nullopt},
        {"12abc", DBL_MAX, std::nullopt},
        {"", DBL_MAX, std::nullopt},
        {"3.4e38", Float, 3.4e38},
        {"-3.5e38", Float, std::nullopt},
    };
    for (const auto& number : numbers) {
        EXPECT_EQ(finiteNumber(number.text, number.largest), number.value) << number.text;
    }
    EXPECT_EQ(finiteNumber("1e308"), 1e308);
}

// Numbers in CSV and JSON: the shortest text that reads back as the same float or double. Worked out
// by hand: 243.8f is 243.800003..., the float nearest 1/3 is 0.333333343...
TEST(ShortestText, AFloatAndADoubleAreWrittenInTheFewestDigitsThatReadBackExactly) {
    const std::pair<std::string, const char*> texts[] = {
        {floatText(243.8f), "243.8"},
        {floatText(0.1f), "0.1"},
        {floatText(1.0f / 3), "0.33333334"},
        {floatText(-2.5f), "-2.5"},
        {floatText(1e6f), "1e+06"},
        {floatText(0.0f), "0"},
        {floatText(NAN), "not known"},
        {doubleText(243.8), "243.8"},
        {doubleText(243.8f), "243.8000030517578"},
        {doubleText(1.0 / 3), "0.3333333333333333"},
        {doubleText(1e308), "1e+308"},
        {doubleText(-INFINITY), "< -1E+300"},
    };
    for (const auto& [text, expected] : texts) {
        EXPECT_EQ(text, expected);
    }
    std::string text = "l=";
    appendDoubleText(text, 42.97);
    appendFloatText(text, 0.5f);
    EXPECT_EQ(text, "l=42.970.5");
}

} // namespace korvanex
