#include "velkorn/utf8_text.h"

#include <gtest/gtest.h>

#include <string>

namespace velkorn {
namespace {

struct Edit {
    std::string name;
    std::string before;
    std::string after;
    std::string kept;
};

// A box of at most 5 characters, edited as a person would.
TEST(FitEdit, KeepsWhatFitsTheWayALimitedBoxDoes) {
    const std::string smile = "\xF0\x9F\x98\x80"; // one character, four bytes
    const std::string han = "\xE4\xB8\xAD";
    const Edit table[] = {
        {"typing with room", "123", "1234", "1234"},
        {"typing into a full box at the end", "12345", "123456", "12345"},
        {"typing into a full box in the middle", "12345", "129345", "12345"},
        {"typing into a full box at the start", "12345", "912345", "12345"},
        {"paste cut to the room left", "12", "12abcdefg", "12abc"},
        {"paste in the middle cut to the room", "1234", "12xyz34", "12x34"},
        {"paste over a selection", "12345", "1abcdefgh5", "1abc5"},
        {"paste into an empty box", "", "abcdefgh", "abcde"},
        {"deleting", "12345", "1245", "1245"},
        {"wide characters count once", han + han + han, han + han + han + "12",
         han + han + han + "12"},
        {"wide paste cut on a character", "1234", "1234" + han + han, "1234" + han},
        {"four-byte characters", smile + smile, smile + smile + "abcd", smile + smile + "abc"},
        {"same byte prefix inside a character", han, han + "\xE4\xB8\xAE" + "abcd",
         han + "\xE4\xB8\xAE" + "abc"},
        {"invalid bytes repaired", "12", "12\xFF", "12\xEF\xBF\xBD"},
    };
    for (const auto& [name, before, after, kept] : table) {
        SCOPED_TRACE(name);
        const std::string result = fitEdit(before, after, 5);
        EXPECT_EQ(result, kept);
        EXPECT_TRUE(isValidUtf8(result));
        EXPECT_LE(codePointCount(result), 5u);
    }
}

} // namespace
} // namespace velkorn
