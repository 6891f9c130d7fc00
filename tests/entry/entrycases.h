// The table of ways text enters a number box (entry_cases.tsv), read alike
// by the Qt test and the Windows driver, whose results are written in the
// table's own notation so that the two can be set side by side.
#pragma once

#include <algorithm>
#include <cstdio>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace velkorn::entry {

struct Step {
    std::string action; // type, ime-commit, ctrl+v, clear, ...
    std::u16string text;
};

struct Case {
    std::string name;
    std::u16string before;
    std::size_t selectionFrom = 0, selectionTo = 0;
    std::vector<Step> steps;
    std::u16string after;
    std::size_t caret = 0;
    std::u16string undone;
};

// What a front end saw after a row's steps, and after one undo.
struct Outcome {
    std::u16string box;
    std::size_t caret = 0;
    std::u16string undone;
};

inline std::u16string unescape(const std::string& cell) {
    std::u16string text;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const char kind = i + 1 < cell.size() && cell[i] == '\\' ? cell[++i] : '\0';
        const std::size_t digits = kind == 'u' ? 4 : kind == 'U' ? 8 : 0;
        char32_t code = kind == '\0' ? static_cast<unsigned char>(cell[i]) : 0;
        if (digits > 0) {
            code = static_cast<char32_t>(std::stoul(cell.substr(i + 1, digits), nullptr, 16));
            i += digits;
        } else if (kind != '\0') {
            const std::string plain = "\\\\s t\tr\rn\n";
            const std::size_t at = plain.find(kind);
            if (at == std::string::npos || at % 2 != 0) {
                throw std::invalid_argument("unknown escape in " + cell);
            }
            code = static_cast<unsigned char>(plain[at + 1]);
        }
        if (code >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            code = 0xDC00 + ((code - 0x10000) & 0x3FF);
        }
        text += static_cast<char16_t>(code);
    }
    return text;
}

// ASCII, every other unit escaped; a half character shows as itself.
inline std::string escape(std::u16string_view text) {
    std::string cell;
    char buffer[16];
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            const auto code = 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00);
            std::snprintf(buffer, sizeof buffer, "\\U%08X", static_cast<unsigned>(code));
        } else if (unit < 0x20 || unit > 0x7E || unit == '\\') {
            std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
        } else {
            std::snprintf(buffer, sizeof buffer, "%c", static_cast<char>(unit));
        }
        cell += buffer;
    }
    return cell;
}

inline std::vector<std::string> split(const std::string& line, char separator) {
    std::vector<std::string> parts(1);
    for (char c : line) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

inline Case parseCase(const std::string& line) {
    const std::vector<std::string> cells = split(line, '\t');
    if (cells.size() != 7) {
        throw std::invalid_argument("a row has 7 cells: " + line);
    }
    const std::vector<std::string> selection = split(cells[2], ':');
    Case row{
        cells[0], unescape(cells[1]), std::stoul(selection.front()), std::stoul(selection.back()),
        {},       unescape(cells[4]), std::stoul(cells[5]),          unescape(cells[6])};
    for (const std::string& step : split(cells[3], ' ')) {
        const std::size_t colon = std::min(step.find(':'), step.size());
        row.steps.push_back(
            {step.substr(0, colon), unescape(step.substr(colon + (colon < step.size())))});
    }
    return row;
}

inline std::vector<Case> readCases(std::istream& in) {
    std::vector<Case> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.front() != '#') {
            rows.push_back(parseCase(line));
        }
    }
    return rows;
}

inline bool matches(const Case& row, const Outcome& seen) {
    return seen.box == row.after && seen.caret == row.caret && seen.undone == row.undone;
}

// A front end's line for a row: the row, what it saw, and ok or FAIL.
inline std::string report(const Case& row, const Outcome& seen) {
    return row.name + "\t" + escape(seen.box) + "\t" + std::to_string(seen.caret) + "\t" +
           escape(seen.undone) + "\t" + (matches(row, seen) ? "ok" : "FAIL");
}

} // namespace velkorn::entry
