// The units of a text that screen readers ask for, in characters (code
// points, what AT-SPI counts): characters, or words (runs of characters
// between spaces, with the spaces after them; a space run before the first
// word is a unit of its own); a one-line text is also its own line,
// sentence and paragraph. The boxes and captions answer from here.
#pragma once

#include <string_view>

namespace velkorn {

enum class TextUnit { Character, Word, Line };

// A span of characters, or none (-1, -1).
struct TextSpan {
    int start = -1;
    int end = -1;

    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// step 0: the unit at the offset, -1 the one before it, +1 the one after.
// At the end of the text the unit at the offset is the last one (for a
// word or line), so that "the word at the caret" after typing is the word
// just typed; a character there is the empty span at the end.
TextSpan textUnit(std::u32string_view text, int offset, TextUnit unit, int step);

} // namespace velkorn
