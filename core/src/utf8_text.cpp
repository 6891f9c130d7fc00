#include "velkorn/utf8_text.h"

#include <algorithm>

namespace velkorn {
namespace {

// Length of the well-formed sequence starting at text[pos], or 0 when the
// byte there does not start one (RFC 3629 table of well-formed sequences).
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const std::size_t left = text.size() - pos;
    const unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlongs
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlongs
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (left < length) {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

} // namespace

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = sequenceLength(text, pos);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::size_t codePointCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text) {
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string limitUtf8(std::string_view text, std::size_t maxCodePoints) {
    std::string result;
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size() && count < maxCodePoints; ++count) {
        const std::size_t length = sequenceLength(text, pos);
        if (length == 0) {
            result += kReplacement;
            ++pos;
        } else {
            result += text.substr(pos, length);
            pos += length;
        }
    }
    return result;
}

namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Bytes shared at the start of both texts, ending on a character boundary.
std::size_t commonPrefix(std::string_view a, std::string_view b) {
    std::size_t length = 0;
    while (length < a.size() && length < b.size() && a[length] == b[length]) {
        ++length;
    }
    while (length > 0 && length < b.size() && isContinuation(b[length])) {
        --length;
    }
    return length;
}

} // namespace

FittedEdit fitEdit(std::string_view before, std::string_view after, std::size_t caret,
                   std::size_t maxCodePoints) {
    caret = std::min(caret, after.size());
    const std::string head = limitUtf8(after.substr(0, caret), caret);
    const std::string tail = limitUtf8(after.substr(caret), after.size() - caret);
    if (tail.size() > before.size() || !before.ends_with(tail)) {
        // Not an insertion before the caret: the whole text was replaced.
        std::string text = limitUtf8(head + tail, maxCodePoints);
        return {text, 0, before.size(), text};
    }
    // after = before[0, start) + inserted + before[end, size): the inserted
    // text ends at the caret, and starts where `after` stops agreeing with
    // `before`, no later than the untouched end. Where the insertion begins
    // with what it replaced, the match runs into it; that only moves part of
    // the insertion into the kept start, and the result is the same.
    const std::size_t end = before.size() - tail.size();
    const std::size_t start = std::min(commonPrefix(before, head), end);
    const std::size_t remaining =
        codePointCount(before) - codePointCount(before.substr(start, end - start));
    const std::size_t room = maxCodePoints > remaining ? maxCodePoints - remaining : 0;
    std::string inserted = limitUtf8(std::string_view(head).substr(start), room);
    const std::string text = std::string(before.substr(0, start)) + inserted + tail;
    return {limitUtf8(text, maxCodePoints), start, end, std::move(inserted)};
}

std::u16string toUtf16(std::string_view utf8) {
    const std::string valid = limitUtf8(utf8, utf8.size());
    std::u16string result;
    result.reserve(valid.size());
    for (std::size_t pos = 0; pos < valid.size();) {
        const auto lead = static_cast<unsigned char>(valid[pos]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) {
            code = (code << 6) | (static_cast<unsigned char>(valid[pos + i]) & 0x3F);
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (code >> 10));
            result += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
        pos += length;
    }
    return result;
}

std::string toUtf8(std::u16string_view utf16) {
    std::string result;
    result.reserve(utf16.size());
    for (std::size_t pos = 0; pos < utf16.size(); ++pos) {
        char32_t code = utf16[pos];
        if (code >= 0xD800 && code <= 0xDBFF && pos + 1 < utf16.size() &&
            utf16[pos + 1] >= 0xDC00 && utf16[pos + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++pos] - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD; // a lone surrogate
        }
        if (code < 0x80) {
            result += static_cast<char>(code);
        } else if (code < 0x800) {
            result += static_cast<char>(0xC0 | (code >> 6));
            result += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            result += static_cast<char>(0xE0 | (code >> 12));
            result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | (code >> 18));
            result += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            result += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            result += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return result;
}

} // namespace velkorn
