#include "case/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvanex {
namespace {

TEST(FormatFixed, AppliesEachPattern) {
    EXPECT_EQ(formatFixed(186.94, 0), "187");
    EXPECT_EQ(formatFixed(186.94, 1), "186.9");
    EXPECT_EQ(formatFixed(36.3456, 2), "36.35");
    EXPECT_EQ(formatFixed(0.9876, 3), "0.988");
    EXPECT_EQ(formatFixed(0.0000055, 7), "0.0000055");
    EXPECT_EQ(formatFixed(1.0, 7), "1.0000000");
    // At least one digit before the point.
    EXPECT_EQ(formatFixed(0.25, 1), "0.3");
    EXPECT_EQ(formatFixed(0.04, 2), "0.04");
    // A metric stress of 100 psi.
    EXPECT_EQ(formatFixed(100 * 6.89, 1), "689.0");
    EXPECT_EQ(formatFixed(-361.94, 1), "-361.9");
    // Whole numbers, also beyond 64 bits.
    EXPECT_EQ(formatFixed(27560001.0, 1), "27560001.0");
    EXPECT_EQ(formatFixed(1e20, 1), "100000000000000000000.0");
    EXPECT_EQ(formatFixed(-4096.0, 3), "-4096.000");
    // The largest fractional doubles keep every digit.
    EXPECT_EQ(formatFixed(4503599627370495.5, 7), "4503599627370495.5000000");
    EXPECT_EQ(formatFixed(4503599627370495.5, 0), "4503599627370496");
    // Tiny values: 2^-24 is 0.0000000596..., 2^-25 is 0.0000000298...
    EXPECT_EQ(formatFixed(std::ldexp(1.0, -24), 7), "0.0000001");
    EXPECT_EQ(formatFixed(std::ldexp(1.0, -25), 7), "0.0000000");
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::denorm_min(), 7), "0.0000000");
}

TEST(FormatFixed, RoundsTheExactBinaryValueHalfAwayFromZero) {
    // Exact binary ties round away from zero (half-even would give 0.12, 2, -2, 0.38).
    EXPECT_EQ(formatFixed(0.125, 2), "0.13");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    EXPECT_EQ(formatFixed(0.375, 2), "0.38");
    EXPECT_EQ(formatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(formatFixed(0.5, 0), "1");
    EXPECT_EQ(formatFixed(1.5, 0), "2");
    // The double 0.435 is 0.43499999999999999778..., the float 0.435f is 0.43500000238418579...
    EXPECT_EQ(formatFixed(0.435, 2), "0.43");
    EXPECT_EQ(formatFixed(0.435f, 2), "0.44");
    // 2.675 is 2.67499999999999982236..., 1.005 is 1.00499999999999989341..., 0.15 is
    // 0.14999999999999999444..., 0.05 is 0.05000000000000000277...
    EXPECT_EQ(formatFixed(2.675, 2), "2.67");
    EXPECT_EQ(formatFixed(1.005, 2), "1.00");
    EXPECT_EQ(formatFixed(0.15, 1), "0.1");
    EXPECT_EQ(formatFixed(0.05, 1), "0.1");
    // Rounding carries into a new leading digit.
    EXPECT_EQ(formatFixed(9.96, 1), "10.0");
    EXPECT_EQ(formatFixed(-0.9996, 3), "-1.000");
}

TEST(FormatFixed, NeverPrintsANegativeZero) {
    EXPECT_EQ(formatFixed(0.0, 1), "0.0");
    EXPECT_EQ(formatFixed(-0.0, 1), "0.0");
    EXPECT_EQ(formatFixed(-0.0, 0), "0");
    EXPECT_EQ(formatFixed(-0.04, 1), "0.0");
    EXPECT_EQ(formatFixed(-0.001, 2), "0.00");
    EXPECT_EQ(formatFixed(-0.4, 0), "0");
    EXPECT_EQ(formatFixed(-0.00000004, 7), "0.0000000");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::denorm_min(), 3), "0.000");
}

TEST(FormatFixed, DoesNotFailOnInfinityOrNaN) {
    EXPECT_FALSE(formatFixed(std::numeric_limits<double>::infinity(), 1).empty());
    EXPECT_FALSE(formatFixed(-std::numeric_limits<double>::infinity(), 1).empty());
    EXPECT_FALSE(formatFixed(std::numeric_limits<double>::quiet_NaN(), 1).empty());
}

TEST(FormatFieldText, RoundsTheNumberAsWritten) {
    EXPECT_EQ(formatFieldText("0.435", 2), "0.44");
    EXPECT_EQ(formatFieldText("2.675", 2), "2.68");
    EXPECT_EQ(formatFieldText("0.125", 2), "0.13");
    EXPECT_EQ(formatFieldText("-0.125", 2), "-0.13");
    EXPECT_EQ(formatFieldText("27560001", 1), "27560001.0");
    EXPECT_EQ(formatFieldText(" 12 ", 2), "12.00");
    EXPECT_EQ(formatFieldText("\t12\t", 0), "12");
    EXPECT_EQ(formatFieldText("5.5E-06", 7), "0.0000055");
    EXPECT_EQ(formatFieldText("9.9E-06", 7), "0.0000099");
    EXPECT_EQ(formatFieldText("1e3", 0), "1000");
    EXPECT_EQ(formatFieldText("+1E+07", 0), "10000000");
    EXPECT_EQ(formatFieldText("80.1", 1), "80.1");
    EXPECT_EQ(formatFieldText("127", 1), "127.0");
    EXPECT_EQ(formatFieldText("007.50", 1), "7.5");
    EXPECT_EQ(formatFieldText("1.", 1), "1.0");
    EXPECT_EQ(formatFieldText(".5", 0), "1");
    EXPECT_EQ(formatFieldText("0.5", 0), "1");
    EXPECT_EQ(formatFieldText("-2.5", 0), "-3");
    EXPECT_EQ(formatFieldText("1234.5e-2", 1), "12.3");
    // Rounding carries into a new leading digit.
    EXPECT_EQ(formatFieldText("9.995", 2), "10.00");
    EXPECT_EQ(formatFieldText("-9.995", 2), "-10.00");
    EXPECT_EQ(formatFieldText("0.00000005", 7), "0.0000001");
    EXPECT_EQ(formatFieldText("0.000000049999", 7), "0.0000000");
    // Zero, also written with a sign or an exponent, has no sign.
    EXPECT_EQ(formatFieldText("-0.001", 2), "0.00");
    EXPECT_EQ(formatFieldText("-0", 1), "0.0");
    EXPECT_EQ(formatFieldText("0.0000000", 2), "0.00");
    EXPECT_EQ(formatFieldText("0e999999", 1), "0.0");
    EXPECT_EQ(formatFieldText("1e-999999999999", 2), "0.00");
    // Beyond the double range the written number still counts.
    EXPECT_EQ(formatFieldText("1e350", 0), "1" + std::string(350, '0'));
}

TEST(FormatFieldText, ReturnsOtherTextsUnchanged) {
    EXPECT_EQ(formatFieldText("", 2), "");
    EXPECT_EQ(formatFieldText("12abc", 2), "12abc");
    EXPECT_EQ(formatFieldText("abc", 0), "abc");
    EXPECT_EQ(formatFieldText("1 2", 1), "1 2");
    EXPECT_EQ(formatFieldText("1,5", 1), "1,5");
    EXPECT_EQ(formatFieldText("inf", 1), "inf");
    // A number too long to write out is left as typed.
    EXPECT_EQ(formatFieldText("1e999", 0), "1e999");
    EXPECT_EQ(formatFieldText("1e99999999999999999999", 2), "1e99999999999999999999");
}

TEST(IsWholeNumberText, AcceptsOnlyACompleteNumber) {
    EXPECT_TRUE(isWholeNumberText("12"));
    EXPECT_TRUE(isWholeNumberText(" 12 "));
    EXPECT_TRUE(isWholeNumberText("\t12\t"));
    EXPECT_TRUE(isWholeNumberText("-5"));
    EXPECT_TRUE(isWholeNumberText("1."));
    EXPECT_TRUE(isWholeNumberText(".5"));
    EXPECT_TRUE(isWholeNumberText("1e3"));
    EXPECT_TRUE(isWholeNumberText("5.5E-06"));
    EXPECT_TRUE(isWholeNumberText("+1E+07"));
    EXPECT_TRUE(isWholeNumberText("20.0000001"));

    EXPECT_FALSE(isWholeNumberText(""));
    EXPECT_FALSE(isWholeNumberText("   "));
    EXPECT_FALSE(isWholeNumberText("12abc"));
    EXPECT_FALSE(isWholeNumberText("1 2"));
    EXPECT_FALSE(isWholeNumberText("."));
    EXPECT_FALSE(isWholeNumberText("+"));
    EXPECT_FALSE(isWholeNumberText("- 5"));
    EXPECT_FALSE(isWholeNumberText("1e"));
    EXPECT_FALSE(isWholeNumberText("1e+"));
    EXPECT_FALSE(isWholeNumberText("1.2.3"));
    EXPECT_FALSE(isWholeNumberText("inf"));
    EXPECT_FALSE(isWholeNumberText("nan"));
    EXPECT_FALSE(isWholeNumberText("0x10"));
    EXPECT_FALSE(isWholeNumberText("1d3"));
    EXPECT_FALSE(isWholeNumberText("1,5"));
}

TEST(BoundText, ShowsSevenSignificantDigitsWithALeadingBlank) {
    EXPECT_EQ(boundText(0), " 0");
    EXPECT_EQ(boundText(4), " 4");
    EXPECT_EQ(boundText(20), " 20");
    EXPECT_EQ(boundText(413.4f), " 413.4");
    EXPECT_EQ(boundText(10.16f), " 10.16");
    EXPECT_EQ(boundText(100000), " 100000");
    EXPECT_EQ(boundText(1000000), " 1000000");
    EXPECT_EQ(boundText(static_cast<float>(40 / 1.8)), " 22.22222");
    EXPECT_EQ(boundText(-4), "-4");
    // No 0 before the point below 1.
    EXPECT_EQ(boundText(0.09f), " .09");
    EXPECT_EQ(boundText(0.08f), " .08");
    EXPECT_EQ(boundText(0.5f), " .5");
    // 0.0001f lies just below 1E-04 but rounds to it, so it stays in decimal notation.
    EXPECT_EQ(boundText(0.0001f), " .0001");
    // Exponent form outside 1E-04 .. 1E+06.
    EXPECT_EQ(boundText(1E-05f), " 1E-05");
    EXPECT_EQ(boundText(1.8E-05f), " 1.8E-05");
    EXPECT_EQ(boundText(5.512E+07f), " 5.512E+07");
    EXPECT_EQ(boundText(2.067E+07f), " 2.067E+07");
    EXPECT_EQ(boundText(3.445E+07f), " 3.445E+07");
    EXPECT_EQ(boundText(12345678.0f), " 1.234568E+07");
    EXPECT_EQ(boundText(-5.512E+07f), "-5.512E+07");
    // 99999.99609375 has the digits 9.999999|609375 and rounds up to 100000.
    EXPECT_EQ(boundText(99999.99609375f), " 100000");
    EXPECT_EQ(boundText(9999999.0f), " 9999999");
}

} // namespace
} // namespace korvanex
