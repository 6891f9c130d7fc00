// The rule for an edit of a number box, in the UTF-16 units both toolkits
// count in: a box holds at most 15 characters, so an edit that would make
// it longer has its insertion cut to the room left, where it went in, and
// an insertion into a full box is refused (the box stays as it was, with
// the caret and the undo history, and the platform beeps). A box holds one
// line of text: an insertion keeps its first line, and one that holds a
// control character or half of a character is refused.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velkorn {

enum class EditVerdict {
    Accept, // the edit fits as it is
    Cut,    // done instead as the smaller replacement below
    Refuse  // nothing of it fits
};

struct BoxEditDecision {
    EditVerdict verdict = EditVerdict::Accept;
    // For Cut: UTF-16 units [from, to) of the text before the edit are
    // replaced by `inserted`, as one edit that undo takes back.
    std::size_t from = 0;
    std::size_t to = 0;
    std::u16string inserted;

    std::size_t caret() const { return from + inserted.size(); }
};

// `before` is what the box holds, `after` what the edit made of it, and
// `caret` (UTF-16 units into `after`) lies right after what the edit
// inserted.
BoxEditDecision decideBoxEdit(std::u16string_view before, std::u16string_view after,
                              std::size_t caret);

// Where Ctrl+Backspace deletes back to from `caret`: over the spaces before
// it, then over the run of word characters (or of other characters) before
// them, as Qt's line edit does for the texts a number box holds.
std::size_t previousWordStart(std::u16string_view text, std::size_t caret);

} // namespace velkorn
