// The table of ways text enters a number box (entry_cases.tsv), read the
// same way by the Qt test and by the Windows driver, and their results
// written back in the table's own notation, so that the two front ends'
// lines can be compared side by side. Standard C++ only.
#pragma once

#include <cstdio>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn::entry {

struct Step {
    std::string action; // type, ime-commit, ctrl+v, clear, ...
    std::u16string text;
};

struct Case {
    std::string name;
    std::u16string before;
    std::size_t selectionFrom = 0;
    std::size_t selectionTo = 0;
    std::vector<Step> steps;
    std::u16string after;
    std::size_t caret = 0;
    std::u16string undone;
};

// What a front end saw after a row's steps and after one undo.
struct Outcome {
    std::u16string box;
    std::size_t caret = 0;
    std::u16string undone;
};

inline void appendCodePoint(std::u16string& text, char32_t code) {
    if (code >= 0x10000) {
        code -= 0x10000;
        text += static_cast<char16_t>(0xD800 + (code >> 10));
        text += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
        text += static_cast<char16_t>(code);
    }
}

inline std::u16string unescape(std::string_view cell) {
    std::u16string text;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            throw std::invalid_argument("the table is ASCII, with escapes: " + std::string(cell));
        }
        if (c != '\\' || i + 1 == cell.size()) {
            text += static_cast<char16_t>(c);
            continue;
        }
        const char kind = cell[++i];
        const std::size_t digits = kind == 'u' ? 4 : kind == 'U' ? 8 : 0;
        if (digits > 0) {
            appendCodePoint(text, static_cast<char32_t>(std::stoul(
                                      std::string(cell.substr(i + 1, digits)), nullptr, 16)));
            i += digits;
            continue;
        }
        const std::string_view plain = "\\\\s t\tr\rn\n";
        const std::size_t at = plain.find(kind);
        if (at == std::string_view::npos || at % 2 != 0) {
            throw std::invalid_argument("unknown escape in " + std::string(cell));
        }
        text += static_cast<char16_t>(plain[at + 1]);
    }
    return text;
}

// The table's notation again: ASCII, every other unit escaped (a lone
// surrogate shows as itself).
inline std::string escape(std::u16string_view text) {
    std::string cell;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        char buffer[16];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            const char32_t code = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
            std::snprintf(buffer, sizeof buffer, "\\U%08X", static_cast<unsigned>(code));
        } else if (unit == u'\\') {
            std::snprintf(buffer, sizeof buffer, "\\\\");
        } else if (unit < 0x20 || unit > 0x7E) {
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
        } else {
            std::snprintf(buffer, sizeof buffer, "%c", static_cast<char>(unit));
        }
        cell += buffer;
    }
    return cell;
}

inline std::vector<std::string> split(std::string_view line, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = line.find(separator); at != std::string_view::npos;
         at = line.find(separator, start)) {
        parts.emplace_back(line.substr(start, at - start));
        start = at + 1;
    }
    parts.emplace_back(line.substr(start));
    return parts;
}

inline Case parseCase(std::string_view line) {
    const std::vector<std::string> cells = split(line, '\t');
    if (cells.size() != 7) {
        throw std::invalid_argument("a row has 7 cells: " + std::string(line));
    }
    Case row;
    row.name = cells[0];
    row.before = unescape(cells[1]);
    const std::vector<std::string> selection = split(cells[2], ':');
    row.selectionFrom = std::stoul(selection.front());
    row.selectionTo = std::stoul(selection.back());
    for (const std::string& step : split(cells[3], ' ')) {
        const std::size_t colon = step.find(':');
        row.steps.push_back({step.substr(0, colon),
                             colon == std::string::npos ? u"" : unescape(step.substr(colon + 1))});
    }
    row.after = unescape(cells[4]);
    row.caret = std::stoul(cells[5]);
    row.undone = unescape(cells[6]);
    return row;
}

inline std::vector<Case> readCases(std::istream& in) {
    std::vector<Case> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty() && line.front() != '#') {
            rows.push_back(parseCase(line));
        }
    }
    return rows;
}

inline bool matches(const Case& row, const Outcome& seen) {
    return seen.box == row.after && seen.caret == row.caret && seen.undone == row.undone;
}

// One line of a front end's results: the row, what it saw, and whether
// that is what the table expects.
inline std::string report(const Case& row, const Outcome& seen) {
    return row.name + "\t" + escape(seen.box) + "\t" + std::to_string(seen.caret) + "\t" +
           escape(seen.undone) + "\t" + (matches(row, seen) ? "ok" : "FAIL");
}

} // namespace velkorn::entry
