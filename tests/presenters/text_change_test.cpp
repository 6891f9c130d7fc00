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

#include "velkorn/textunits.h"

namespace velkorn {
namespace {

// What a screen reader gets when it asks for a unit of "12 345": the word
// at the caret after typing is the word just typed.
TEST(TextUnits, CharactersWordsAndTheOneLine) {
    const std::u32string_view text = U"12 345";
    const struct {
        int offset;
        TextUnit unit;
        int step;
        TextSpan span;
    } table[] = {
        {0, TextUnit::Character, 0, {0, 1}},  {6, TextUnit::Character, 0, {6, 6}},
        {6, TextUnit::Character, -1, {5, 6}}, {6, TextUnit::Character, 1, {}},
        {1, TextUnit::Word, 0, {0, 3}},       {3, TextUnit::Word, 0, {3, 6}},
        {6, TextUnit::Word, 0, {3, 6}},       {4, TextUnit::Word, -1, {0, 3}},
        {0, TextUnit::Word, 1, {3, 6}},       {0, TextUnit::Word, -1, {}},
        {2, TextUnit::Line, 0, {0, 6}},       {6, TextUnit::Line, 0, {0, 6}},
        {7, TextUnit::Character, 0, {}},      {-1, TextUnit::Word, 0, {}},
    };
    for (const auto& row : table) {
        EXPECT_EQ(textUnit(text, row.offset, row.unit, row.step), row.span)
            << row.offset << " " << static_cast<int>(row.unit) << " " << row.step;
    }
    EXPECT_EQ(textUnit(U" 1", 0, TextUnit::Word, 0), (TextSpan{0, 1})); // a space run of its own
    EXPECT_EQ(textUnit(U"", 0, TextUnit::Word, 0), (TextSpan{0, 0}));
}

} // namespace
} // namespace velkorn
