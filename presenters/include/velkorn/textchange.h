// What a program's change of a box's text was, as screen readers want to
// hear it: a box set to "123" from "12" gained a "3" at the end, not a new
// text. Screen readers echo one inserted character as it is typed, and say
// nothing of a text replaced whole. In characters (code points), the unit
// screen readers count in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velkorn {

struct TextChange {
    std::size_t position = 0;
    std::u32string removed;
    std::u32string inserted;

    bool operator==(const TextChange&) const = default;
};

// The smallest change that turns before into after: what both start with
// is kept, then what both end with; the rest is removed and inserted there.
// A text that gains a repeated character ("11" to "111") gains it at the end.
TextChange textChange(std::u32string_view before, std::u32string_view after);

} // namespace velkorn
