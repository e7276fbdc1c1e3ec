// SPDX-License-Identifier: Apache-2.0
// Numbers in CSV and JSON: the shortest text that reads back as the same float or double.

#include "case/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvanex {
namespace {

TEST(ShortestText, AFloatAndADoubleAreWrittenInTheFewestDigitsThatReadBackExactly) {
    // Worked out by hand: 243.8f is 243.800003..., the float nearest 1/3 is 0.333333343...
    const std::pair<float, const char*> floats[] = {{243.8f, "243.8"},        {0.1f, "0.1"},
                                                    {1.0f / 3, "0.33333334"}, {-2.5f, "-2.5"},
                                                    {1e6f, "1e+06"},          {0.0f, "0"}};
    for (const auto& [value, text] : floats) {
        EXPECT_EQ(floatText(value), text);
    }
    EXPECT_EQ(doubleText(243.8), "243.8");
    EXPECT_EQ(doubleText(243.8f), "243.8000030517578");
    EXPECT_EQ(doubleText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(doubleText(1e308), "1e+308");
    EXPECT_EQ(doubleText(-INFINITY), "< -1E+300");
    EXPECT_EQ(floatText(NAN), "not known");
    std::string text = "l=";
    appendDoubleText(text, 42.97);
    appendFloatText(text, 0.5f);
    EXPECT_EQ(text, "l=42.970.5");
}

} // namespace
} // namespace korvanex
