// SPDX-License-Identifier: Apache-2.0
#include "case/field_value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <limits>
#include <locale>

using namespace korvanex;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The leading number of a text: blanks, then a sign directly before decimal digits, an exponent only
// with digits; nothing else counts, so a text without a leading number reads 0.
const std::pair<double, std::vector<std::string>> readings[] = {
    // clang-format off
    {0, {"abc", "", "x12", "- 3", "+-3", ".", "-.e5", "inf", "nan", "0x10", "1e-400", "1000e-330", "0e99999"}},
    {1, {"1e", "1e+", "1e 3", "1d3", "1.000,5"}}, {12, {"12abc"}}, {7.5, {"  \t7.5"}}, {7, {"7,5"}},
    {-3, {"-3"}}, {0.5, {"+.5"}}, {-0.5, {" -.5x"}}, {5, {"5."}}, {1000, {"1e3", "1e3e2"}},
    {0.01, {"1E-2x"}}, {1.2, {"1.2.3"}}, {5.5e-06, {"5.5E-06"}}, {0.087, {"0.087"}},
    {1e308, {"0.0001e312"}}, {Infinity, {"1e400", std::string(400, '9')}}, {-Infinity, {"-1e400"}},
    // clang-format on
};

void expectReadings() {
    for (const auto& [value, texts] : readings) {
        for (const std::string& text : texts) {
            EXPECT_EQ(numericPrefix(text), value) << '"' << text << '"';
        }
    }
}

} // namespace

TEST(FieldValue, LeadingNumberOfTheText) {
    expectReadings();
    const NumberPrefix prefix = findNumberPrefix(" \t-7.5e2xyz");
    EXPECT_EQ(prefix.start, 2u);
    EXPECT_EQ(prefix.length, 6u);
}

// The C and C++ global locales switched to one that writes decimals with a comma, if the machine has one;
// each test runs in a process of its own.
TEST(FieldValue, DecimalCommaLocaleDoesNotChangeTheReading) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            std::locale::global(std::locale(name));
            SCOPED_TRACE(name);
            expectReadings();
            return;
        }
    }
    GTEST_SKIP() << "no locale with a decimal comma is installed";
}
