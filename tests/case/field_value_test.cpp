#include "case/field_value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

using namespace korvanex;

namespace {

// Switches the C and C++ global locales to one that writes decimals with a comma, if the machine has
// one, and restores both on leaving.
class DecimalCommaLocale {
  public:
    DecimalCommaLocale() : savedGlobal_(std::locale()), savedC_(std::setlocale(LC_ALL, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "fr_FR",
                                 "nl_NL.UTF-8", "it_IT.UTF-8", "es_ES.UTF-8", "ru_RU.UTF-8"}) {
            if (activate(name)) {
                name_ = name;
                return;
            }
        }
    }
    ~DecimalCommaLocale() {
        std::locale::global(savedGlobal_);
        std::setlocale(LC_ALL, savedC_.c_str());
    }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    bool active() const { return !name_.empty(); }
    const std::string& name() const { return name_; }

  private:
    static bool activate(const char* name) {
        try {
            std::locale::global(std::locale(name));
        } catch (const std::runtime_error&) {
            return false;
        }
        std::setlocale(LC_ALL, name);
        if (std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            return true;
        }
        std::setlocale(LC_ALL, "C");
        return false;
    }

    std::locale savedGlobal_;
    std::string savedC_;
    std::string name_;
};

void expectLocaleFreeReadings() {
    EXPECT_EQ(numericPrefix("7.5"), 7.5);
    EXPECT_EQ(numericPrefix("  \t7.5"), 7.5);
    EXPECT_EQ(numericPrefix("-0.25e1"), -2.5);
    EXPECT_EQ(numericPrefix("5.5E-06"), 5.5e-06);
    // A comma never belongs to the number, whatever the locale writes.
    EXPECT_EQ(numericPrefix("7,5"), 7.0);
    EXPECT_EQ(numericPrefix("1.000,5"), 1.0);
}

} // namespace

TEST(FieldValue, LeadingNumberOfTheText) {
    EXPECT_EQ(numericPrefix("12abc"), 12.0);
    EXPECT_EQ(numericPrefix("abc"), 0.0);
    EXPECT_EQ(numericPrefix(""), 0.0);
    EXPECT_EQ(numericPrefix("  \t7.5"), 7.5);
    EXPECT_EQ(numericPrefix("18000"), 18000.0);
    EXPECT_EQ(numericPrefix("0.087"), 0.087);
    EXPECT_EQ(numericPrefix("   "), 0.0);
    EXPECT_EQ(numericPrefix("x12"), 0.0);
}

TEST(FieldValue, SignStandsDirectlyBeforeTheDigits) {
    EXPECT_EQ(numericPrefix("-3"), -3.0);
    EXPECT_EQ(numericPrefix("- 3"), 0.0);
    EXPECT_EQ(numericPrefix("+.5"), 0.5);
    EXPECT_EQ(numericPrefix(" -.5x"), -0.5);
    EXPECT_EQ(numericPrefix("+7"), 7.0);
    EXPECT_EQ(numericPrefix("-"), 0.0);
    EXPECT_EQ(numericPrefix("+-3"), 0.0);
    EXPECT_EQ(numericPrefix("."), 0.0);
    EXPECT_EQ(numericPrefix("-.e5"), 0.0);
    EXPECT_EQ(numericPrefix("5."), 5.0);
}

TEST(FieldValue, ExponentBelongsToTheNumberOnlyWithDigits) {
    EXPECT_EQ(numericPrefix("1e3"), 1000.0);
    EXPECT_EQ(numericPrefix("1E-2x"), 0.01);
    EXPECT_EQ(numericPrefix("2.5E+2"), 250.0);
    EXPECT_EQ(numericPrefix(".5e1"), 5.0);
    EXPECT_EQ(numericPrefix("1e"), 1.0);
    EXPECT_EQ(numericPrefix("1e+"), 1.0);
    EXPECT_EQ(numericPrefix("1e-x"), 1.0);
    EXPECT_EQ(numericPrefix("1e 3"), 1.0);
    EXPECT_EQ(numericPrefix("1e3e2"), 1000.0);
    EXPECT_EQ(numericPrefix("1.2.3"), 1.2);
}

TEST(FieldValue, OnlyDecimalDigitsCount) {
    EXPECT_EQ(numericPrefix("inf"), 0.0);
    EXPECT_EQ(numericPrefix("-infinity"), 0.0);
    EXPECT_EQ(numericPrefix("nan"), 0.0);
    EXPECT_EQ(numericPrefix("NAN(123)"), 0.0);
    EXPECT_EQ(numericPrefix("0x10"), 0.0);
    EXPECT_EQ(numericPrefix("0X1p3"), 0.0);
    EXPECT_EQ(numericPrefix("1d3"), 1.0);
    EXPECT_EQ(numericPrefix("1D3"), 1.0);
}

TEST(FieldValue, NumbersBeyondTheDoubleRange) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(numericPrefix(std::string(400, '9')), infinity);
    EXPECT_EQ(numericPrefix("-" + std::string(400, '9')), -infinity);
    EXPECT_EQ(numericPrefix("1e400"), infinity);
    EXPECT_EQ(numericPrefix("-1e400"), -infinity);
    EXPECT_EQ(numericPrefix("1e99999999999999999999"), infinity);
    EXPECT_EQ(numericPrefix("0.0001e312"), 1e308);

    EXPECT_EQ(numericPrefix("1e-400"), 0.0);
    EXPECT_EQ(numericPrefix("1000e-330"), 0.0);
    EXPECT_EQ(numericPrefix("0.00001e-320"), 0.0);
    EXPECT_EQ(numericPrefix("1e-99999999999999999999"), 0.0);
    // Zero stays zero under any exponent.
    EXPECT_EQ(numericPrefix("0e99999"), 0.0);
    EXPECT_EQ(numericPrefix("0.000e400"), 0.0);
}

TEST(FieldValue, PrefixPosition) {
    const NumberPrefix signedNumber = findNumberPrefix(" \t-7.5e2xyz");
    EXPECT_EQ(signedNumber.start, 2u);
    EXPECT_EQ(signedNumber.length, 6u);

    const NumberPrefix danglingExponent = findNumberPrefix("12e+");
    EXPECT_EQ(danglingExponent.start, 0u);
    EXPECT_EQ(danglingExponent.length, 2u);

    EXPECT_EQ(findNumberPrefix("  abc").length, 0u);
    EXPECT_EQ(findNumberPrefix("").length, 0u);
    EXPECT_EQ(findNumberPrefix("- 3").length, 0u);
}

TEST(FieldValue, DecimalPartsAreReadExactly) {
    EXPECT_EQ(parseDecimal("-0.1"), -0.1);
    EXPECT_EQ(parseDecimal("+27560000"), 27560000.0);
    EXPECT_EQ(parseDecimal("9.9E-06"), 9.9e-06);
    // Correctly rounded: the nearest double to a long decimal.
    EXPECT_EQ(parseDecimal("3.14159265358979323846264338327950288"), 3.14159265358979323846);
}

TEST(FieldValue, DefaultLocaleDoesNotChangeTheReading) {
    expectLocaleFreeReadings();
}

TEST(FieldValue, DecimalCommaLocaleDoesNotChangeTheReading) {
    const DecimalCommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    SCOPED_TRACE(locale.name());
    expectLocaleFreeReadings();
}
