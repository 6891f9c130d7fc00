#include "velkorn/utf8_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace velkorn {
namespace {

struct Edit {
    std::string name;
    std::string before;
    std::string after;
    std::size_t caret; // bytes into `after`
    std::string kept;
};

// A box of at most 5 characters, edited as a person would.
TEST(FitEdit, KeepsWhatFitsTheWayALimitedBoxDoes) {
    const std::string smile = "\xF0\x9F\x98\x80"; // one character, four bytes
    const std::string han = "\xE4\xB8\xAD";
    const Edit table[] = {
        {"typing with room", "123", "1234", 4, "1234"},
        {"typing into a full box at the end", "12345", "123456", 6, "12345"},
        {"typing into a full box in the middle", "12345", "129345", 3, "12345"},
        {"typing into a full box at the start", "12345", "912345", 1, "12345"},
        {"paste cut to the room left", "12", "12abcdefg", 9, "12abc"},
        {"paste in the middle cut to the room", "1234", "12xyz34", 5, "12x34"},
        {"paste over a selection", "12345", "1abcdefgh5", 9, "1abc5"},
        {"paste into an empty box", "", "abcdefgh", 8, "abcde"},
        {"paste repeating what follows the caret", "1231", "12312331", 6, "12331"},
        {"paste repeating what precedes the caret", "1212", "121212", 4, "12112"},
        {"deleting", "12345", "1245", 2, "1245"},
        {"wide characters count once", han + han + han, han + han + han + "12", 11,
         han + han + han + "12"},
        {"wide paste cut on a character", "1234", "1234" + han + han, 10, "1234" + han},
        {"four-byte characters", smile + smile, smile + smile + "abcd", 12, smile + smile + "abc"},
        {"same byte prefix inside a character", han, han + "\xE4\xB8\xAE" + "abcd", 10,
         han + "\xE4\xB8\xAE" + "abc"},
        {"invalid bytes repaired", "12", "12\xFF", 3, "12\xEF\xBF\xBD"},
    };
    for (const auto& [name, before, after, caret, kept] : table) {
        SCOPED_TRACE(name);
        const FittedEdit result = fitEdit(before, after, caret, 5);
        EXPECT_EQ(result.text, kept);
        EXPECT_TRUE(isValidUtf8(result.text));
        EXPECT_LE(codePointCount(result.text), 5u);
    }
}

// Characters [from, to) of a text held one character a string.
std::string join(const std::vector<std::string>& chars, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        text += chars[i];
    }
    return text;
}

// Random texts, selections and pastes over a few characters, wide ones
// included, against a reference box: a paste replaces the selection and
// keeps only what fits. The fitted edit is what the reference box holds,
// with the caret after what was kept.
TEST(FitEdit, MatchesAReferenceLimitedBox) {
    const std::vector<std::string> alphabet = {"0", "1", "2", "\xE4\xB8\xAD", "\xF0\x9F\x98\x80"};
    constexpr std::size_t kLimit = 15;
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(random);
    };
    int overLong = 0;
    for (int trial = 0; trial < 50000; ++trial) {
        std::vector<std::string> box(pick(kLimit));
        std::vector<std::string> paste(pick(2 * kLimit));
        for (auto* chars : {&box, &paste}) {
            for (auto& c : *chars) {
                c = alphabet[pick(alphabet.size() - 1)];
            }
        }
        const std::size_t from = pick(box.size());
        const std::size_t to = from + pick(box.size() - from);
        const std::string head = join(box, 0, from);
        const std::string tail = join(box, to, box.size());
        const std::size_t room = kLimit - (box.size() - (to - from));
        const std::string kept = join(paste, 0, std::min(room, paste.size()));
        const std::string pasted = join(paste, 0, paste.size());
        overLong += paste.size() > room ? 1 : 0;

        const FittedEdit result = fitEdit(join(box, 0, box.size()), head + pasted + tail,
                                          head.size() + pasted.size(), kLimit);
        ASSERT_EQ(result.text, head + kept + tail) << "trial " << trial;
        ASSERT_EQ(result.caret(), head.size() + kept.size()) << "trial " << trial;
        // The same text as one replacement, for boxes that redo the edit.
        const std::string before = join(box, 0, box.size());
        ASSERT_EQ(before.substr(0, result.replaceFrom) + result.inserted +
                      before.substr(result.replaceTo),
                  result.text)
            << "trial " << trial;
    }
    EXPECT_GT(overLong, 10000); // the cut is what is being tested
}

TEST(Utf16, ConvertsBothWaysAndRepairsWhatIsIllFormed) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
        std::string back; // UTF-8 of utf16
    };
    const Case table[] = {
        {"", u"", ""},
        {"-32768", u"-32768", "-32768"},
        {"\xC3\xA9\xE4\xB8\xAD", u"\u00E9\u4E2D", "\xC3\xA9\xE4\xB8\xAD"},
        {"\xF0\x9F\x98\x80", u"\U0001F600", "\xF0\x9F\x98\x80"},
        {"1\xFF" "2", u"1\uFFFD" "2", "1\xEF\xBF\xBD" "2"},
    };
    for (const Case& row : table) {
        EXPECT_EQ(toUtf16(row.utf8), row.utf16) << row.utf8;
        EXPECT_EQ(toUtf8(row.utf16), row.back) << row.utf8;
    }
    // Lone surrogates, high or low, anywhere.
    const char16_t high = 0xD83D;
    const char16_t low = 0xDE00;
    const std::u16string lone[] = {{high}, {low, u'7'}, {u'7', high}};
    for (const std::u16string& text : lone) {
        const std::string utf8 = toUtf8(text);
        EXPECT_TRUE(isValidUtf8(utf8));
        EXPECT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos);
    }
}

} // namespace
} // namespace velkorn
