#include "velkorn/textchange.h"

#include <gtest/gtest.h>

using velkorn::TextChange;
using velkorn::textChange;

TEST(TextChange, TheSmallestChangeBetweenTwoTexts) {
    struct Case {
        const char* name;
        std::u32string before;
        std::u32string after;
        TextChange change;
    };
    const Case table[] = {
        {"a digit appended", U"12", U"123", {2, U"", U"3"}},
        {"the first digit", U"", U"1", {0, U"", U"1"}},
        {"a repeated digit goes at the end", U"11", U"111", {2, U"", U"1"}},
        {"cleared", U"12.5", U"", {0, U"12.5", U""}},
        {"the last digit taken back", U"123", U"12", {2, U"3", U""}},
        {"a sign put in front", U"15", U"-15", {0, U"", U"-"}},
        {"one digit for another in the middle", U"1234", U"1934", {1, U"2", U"9"}},
        {"a result over an operand", U"12", U"15", {1, U"2", U"5"}},
        {"a whole new text", U"abc", U"xyz", {0, U"abc", U"xyz"}},
        {"no change", U"42", U"42", {2, U"", U""}},
        {"a character beyond UTF-16's first plane", U"1", U"1\U0001D7D0", {1, U"", U"\U0001D7D0"}},
    };
    for (const Case& row : table) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(textChange(row.before, row.after), row.change);
    }
}
