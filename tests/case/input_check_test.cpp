// SPDX-License-Identifier: Apache-2.0
#include "case/input_check.h"

#include <gtest/gtest.h>

#include <deque>

using namespace korvanex;

namespace {

struct Box {
    std::string kind; // "invalid", "range" or "keep"
    std::string text;
};

// Answers the range questions from a script and records every box in the order shown.
class ScriptedQuestions : public InputCheckQuestions {
  public:
    explicit ScriptedQuestions(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

    void reportInvalidNumber(const std::string& text) override { boxes.push_back({"invalid", text}); }
    bool offerBound(const std::string& text) override {
        boxes.push_back({"range", text});
        EXPECT_FALSE(answers_.empty()) << "unexpected range question: " << text;
        if (answers_.empty()) {
            return false;
        }
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void confirmKeptValue(const std::string& text) override { boxes.push_back({"keep", text}); }

    std::vector<Box> boxes;

  private:
    std::deque<bool> answers_;
};

constexpr bool Yes = true;
constexpr bool No = false;

} // namespace

TEST(InputCheckTest, ValuesInsideTheRangeOrOnABoundPassSilently) {
    struct Case {
        std::string text;
        float minimum;
        float maximum;
    };
    // Blanks around a number; 20.0000001 rounds to 20 in single precision; both sides compared in single
    // precision; on the maximum, on the minimum; exponent form; sign and capital exponent.
    const Case cases[] = {
        // clang-format off
        {" 12 ", 4.0f, 20.0f}, {"20.0000001", 4.0f, 20.0f}, {"10.16", 10.16f, 50.8f}, {"700", 50.0f, 700.0f},
        {"4", 4.0f, 20.0f}, {"1e3", 1000.0f, 1000.0f}, {"+5.5E-06", 0.0f, 0.00001f},
        // clang-format on
    };
    for (const Case& c : cases) {
        ScriptedQuestions ask;
        EXPECT_EQ(CheckInputValue(c.text, "x", c.minimum, c.maximum, ask), c.text);
        EXPECT_TRUE(ask.boxes.empty()) << c.text << ": " << ask.boxes.front().text;
    }
}

// On yes the bound written back is the text of the message: seven significant digits, exponent form
// where that is shorter; a value beyond single precision meets the maximum. On no the typed text stays,
// after a second box that says so.
TEST(InputCheckTest, BoundTextsWrittenBackOnYesAndTheTypedTextKeptOnNo) {
    const struct {
        const char* typed;
        float minimum, maximum;
        const char* bound;
        const char* message;
    } bounds[] = {
        {"3", 4.0f, 20.0f, "4",
         "h1 is not within the typical data range( 4,  20). Accept the suggested minimum value?"},
        {"0.1", 0.08f, 0.09f, ".09",
         "γ1 is not within the typical data range( .08,  .09). Accept the suggested maximum value?"},
        {"0.00002", 0.0f, 0.00001f, "1E-05",
         "alpha is not within the typical data range( 0,  1E-05). Accept the suggested maximum value?"},
        {"60000000", 3445000.0f, 55120000.0f, "5.512E+07",
         "E1 is not within the typical data range( 3445000,  5.512E+07). Accept the suggested maximum "
         "value?"},
        {"1e39", 0.0f, 100000.0f, "100000",
         "P is not within the typical data range( 0,  100000). Accept the suggested maximum value?"},
        {"1e400", 0.0f, 100000.0f, "100000",
         "P is not within the typical data range( 0,  100000). Accept the suggested maximum value?"},
    };
    for (const auto& row : bounds) {
        ScriptedQuestions yes({Yes});
        const std::string label = std::string(row.message).substr(0, std::string(row.message).find(' '));
        EXPECT_EQ(CheckInputValue(row.typed, label, row.minimum, row.maximum, yes), row.bound);
        ASSERT_EQ(yes.boxes.size(), 1u);
        EXPECT_EQ(yes.boxes[0].kind + ": " + yes.boxes[0].text, "range: " + std::string(row.message));
        EXPECT_TRUE(isAcceptedFieldText(row.bound));
        ScriptedQuestions no({No});
        EXPECT_EQ(CheckInputValue(row.typed, label, row.minimum, row.maximum, no), row.typed);
        ASSERT_EQ(no.boxes.size(), 2u);
        EXPECT_EQ(no.boxes[0].text, row.message);
        EXPECT_EQ(no.boxes[1].kind + ": " + no.boxes[1].text,
                  "keep: Keep the " + label + " input value anyway!");
    }
}

TEST(InputCheckTest, AcceptanceTestTakesWholeNonNegativeNumbers) {
    for (const char* text : {"0", " 7 ", "9.5", ".5", "5.5E-06", "1e3", "+2"}) {
        EXPECT_TRUE(isAcceptedFieldText(text)) << text;
    }
    // A text that is not accepted comes back unchanged after the one box that says so.
    for (const std::string text :
         {"", " ", "-1", "-0.1", "-5", "12abc", "abc", "1 2", "1,5", "1.2.3", "e5"}) {
        EXPECT_FALSE(isAcceptedFieldText(text)) << text;
        ScriptedQuestions ask;
        EXPECT_EQ(CheckInputValue(text, "h1", 4.0f, 20.0f, ask), text);
        ASSERT_EQ(ask.boxes.size(), 1u) << text;
        EXPECT_EQ(ask.boxes[0].kind + ": " + ask.boxes[0].text,
                  "invalid: h1 is an invalid number; please try again!");
    }
}
