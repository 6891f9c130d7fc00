// UTF-8 helpers for the box texts. Boxes hold at most 15 characters, counted
// as Unicode code points, and always hold valid UTF-8: whatever bytes arrive
// (a paste, a fuzzer) are repaired before they are stored, so the windows can
// show any box text without guessing at its encoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velkorn {

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view text);

// Number of code points in a valid UTF-8 text.
std::size_t codePointCount(std::string_view text);

// The text with every ill-formed byte replaced by U+FFFD, cut after
// maxCodePoints code points. A cut never splits a character.
std::string limitUtf8(std::string_view text, std::size_t maxCodePoints);

// UTF-8 to UTF-16 and back, for the toolkits' strings. Ill-formed input
// (a lone surrogate, a stray byte) becomes U+FFFD.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

// An edit kept within a length limit: the whole text, and the same as one
// replacement of `before`: bytes [replaceFrom, replaceTo) of it replaced by
// `inserted`. Offsets are bytes.
struct FittedEdit {
    std::string text;
    std::size_t replaceFrom = 0;
    std::size_t replaceTo = 0;
    std::string inserted;

    // Where the caret goes: after what was inserted.
    std::size_t caret() const { return replaceFrom + inserted.size(); }
};

// The result of an edit that turned `before` into `after`, kept within
// maxCodePoints the way a text box with a length limit keeps it: what the
// edit inserted is cut to the room left, and an insertion into a full text
// changes nothing. The edit is located from the caret, which an edit leaves
// right after what it inserted (`caret` is a byte offset into `after`):
// what follows the caret is the untouched end of `before`. Comparing the
// texts alone cannot tell where a paste went when it repeats the characters
// beside the caret. `before` must be valid UTF-8; `after` is repaired.
FittedEdit fitEdit(std::string_view before, std::string_view after, std::size_t caret,
                   std::size_t maxCodePoints);

} // namespace velkorn
