#include "case/field_value.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The leading number of a text: blanks, then a sign directly before decimal digits, an exponent only
// with digits; nothing else counts, so a text without a leading number reads 0.
const std::pair<double, std::vector<std::string>> readings[] = {
    {0,
     {"abc", "", "x12", "- 3", "+-3", ".", "-.e5", "inf", "nan", "0x10", "1e-400", "1000e-330", "0e99999"}},
    {1, {"1e", "1e+", "1e 3", "1d3", "1.000,5"}},
    {12, {"12abc"}},
    {7.5, {"  \t7.5"}},
    {7, {"7,5"}},
    {-3, {"-3"}},
    {0.5, {"+.5"}},
    {-0.5, {" -.5x"}},
    {5, {"5."}},
    {1000, {"1e3", "1e3e2"}},
    {0.01, {"1E-2x"}},
    {1.2, {"1.2.3"}},
    {5.5e-06, {"5.5E-06"}},
    {0.087, {"0.087"}},
    {1e308, {"0.0001e312"}},
    {Infinity, {"1e400", std::string(400, '9')}},
    {-Infinity, {"-1e400"}},
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

TEST(FieldValue, DecimalCommaLocaleDoesNotChangeTheReading) {
    const DecimalCommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    SCOPED_TRACE(locale.name());
    expectReadings();
}
