#include "velkorn/textchange.h"

#include <algorithm>

namespace velkorn {

TextChange textChange(std::u32string_view before, std::u32string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) {
        ++start;
    }
    // The common end may not reach into the common start.
    std::size_t end = 0;
    while (end < shorter - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end]) {
        ++end;
    }
    return {.position = start,
            .removed = std::u32string(before.substr(start, before.size() - start - end)),
            .inserted = std::u32string(after.substr(start, after.size() - start - end))};
}

} // namespace velkorn
