#include "velkorn/clockformat.h"

#include <algorithm>
#include <utility>

namespace velkorn {
namespace {

using Field = ClockFormat::Field;

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Letters in runs, quoted text (with '' for a quote) and other text each a
// literal of its own.
std::vector<Field> fieldsOf(std::u16string_view pattern) {
    std::vector<Field> fields;
    for (std::size_t i = 0; i < pattern.size();) {
        const char16_t c = pattern[i];
        if (c == u'\'') {
            std::u16string text;
            std::size_t at = i + 1;
            for (; at < pattern.size(); ++at) {
                if (pattern[at] == u'\'' && at + 1 < pattern.size() && pattern[at + 1] == u'\'') {
                    text += u'\'';
                    ++at;
                } else if (pattern[at] == u'\'') {
                    break;
                } else {
                    text += pattern[at];
                }
            }
            fields.push_back({0, 0, at == i + 1 ? u"'" : text, true});
            i = at + 1;
        } else if ((c == u'P' || c == u'p') && !fields.empty() &&
                   (fields.back().letter == u'A' || fields.back().letter == u'a')) {
            fields.back().text = std::u16string(1, c); // Qt's "AP": one day period
            ++i;
        } else if (isLetter(c)) {
            std::size_t run = i;
            while (run < pattern.size() && pattern[run] == c) {
                ++run;
            }
            fields.push_back({c, static_cast<int>(run - i), {}});
            i = run;
        } else {
            if (fields.empty() || fields.back().letter != 0 || fields.back().quoted) {
                fields.push_back({0, 0, {}});
            }
            fields.back().text += c;
            ++i;
        }
    }
    return fields;
}

std::u16string quotedLiteral(std::u16string_view text) {
    if (std::none_of(text.begin(), text.end(),
                     [](char16_t c) { return isLetter(c) || c == u'\''; })) {
        return std::u16string(text);
    }
    std::u16string quoted = u"'";
    for (char16_t c : text) {
        quoted += c == u'\'' ? std::u16string(u"''") : std::u16string(1, c);
    }
    return quoted + u"'";
}

// A numeric part, one letter or two; a name, three letters short, four
// long.
std::u16string letters(char16_t letter, const IntlPart& part) {
    const int count = part.option == u"2-digit" ? 2
                      : part.option == u"short" ? 3
                      : part.option == u"long"  ? 4
                                                : 1;
    return std::u16string(static_cast<std::size_t>(count), letter);
}

// The formats' own white space: ASCII only, as Qt's formats use it (the
// narrow no-break space of some locales is part of the time).
bool isBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isLooseEnd(char16_t c) {
    return isBlank(c) || c == u',' || c == u';' || c == u':' || c == u'-';
}

// Literal text as the zone left it: "()" or "[]" with only blanks between
// removed, separators trimmed where the pattern begins or ends, runs of
// blanks made one.
std::u16string tidied(std::u16string text, bool first, bool last) {
    std::u16string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'(' || text[i] == u'[') {
            std::size_t end = i + 1;
            while (end < text.size() && isBlank(text[end])) {
                ++end;
            }
            if (end < text.size() && (text[end] == u')' || text[end] == u']')) {
                i = end;
                continue;
            }
        }
        if (isBlank(text[i]) && !kept.empty() && isBlank(kept.back())) {
            continue;
        }
        kept += isBlank(text[i]) ? u' ' : text[i];
    }
    while (first && !kept.empty() && isLooseEnd(kept.front())) {
        kept.erase(0, 1);
    }
    while (last && !kept.empty() && isLooseEnd(kept.back())) {
        kept.pop_back();
    }
    return kept;
}

// Bare text joined once the fields between it are gone.
std::vector<Field> joined(const std::vector<Field>& fields) {
    std::vector<Field> result;
    for (const Field& field : fields) {
        const bool bare = field.letter == 0 && !field.quoted;
        if (bare && !result.empty() && result.back().letter == 0 && !result.back().quoted) {
            result.back().text += field.text;
        } else {
            result.push_back(field);
        }
    }
    return result;
}

std::u16string caseOf(std::u16string text, bool upper) {
    for (char16_t& c : text) {
        if (upper && c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        } else if (!upper && c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return text;
}

std::u16string utf16(char32_t c) {
    if (c < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(c));
    }
    c -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (c >> 10)), static_cast<char16_t>(0xDC00 + (c & 0x3FF))};
}

// Monday 1 to Sunday 7, by Zeller's congruence.
int weekday(const ClockReading& reading) {
    int year = reading.year;
    int month = reading.month;
    if (month < 3) {
        month += 12;
        --year;
    }
    const int k = year % 100;
    const int j = year / 100;
    const int h = (reading.day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
    return (h + 5) % 7 + 1; // Zeller's 0 is Saturday
}

} // namespace

std::u16string patternOfIntlParts(const std::vector<IntlPart>& parts) {
    const bool twelveHour = std::any_of(
        parts.begin(), parts.end(), [](const IntlPart& part) { return part.type == u"dayPeriod"; });
    std::u16string pattern;
    for (const IntlPart& part : parts) {
        if (part.type == u"hour") {
            pattern += letters(twelveHour ? u'h' : u'H', part);
        } else if (part.type == u"minute") {
            pattern += letters(u'm', part);
        } else if (part.type == u"second") {
            pattern += letters(u's', part);
        } else if (part.type == u"dayPeriod") {
            pattern += u"AP";
        } else if (part.type == u"day") {
            pattern += letters(u'd', part);
        } else if (part.type == u"month") {
            pattern += letters(u'M', part);
        } else if (part.type == u"weekday") {
            pattern += part.option == u"long" ? u"dddd" : u"ddd";
        } else if (part.type == u"year") {
            pattern += part.option == u"2-digit" ? u"yy" : u"yyyy";
        } else if (part.type == u"literal") {
            pattern += quotedLiteral(part.value);
        }
    }
    return pattern;
}

std::u16string withoutTimeZone(std::u16string_view pattern) {
    std::vector<Field> fields;
    for (Field field : fieldsOf(pattern)) {
        if (field.letter == u't') {
            continue;
        }
        if (field.letter == u'B') {
            field = {u'A', 1, u"P"};
        }
        fields.push_back(std::move(field));
    }
    fields = joined(fields);
    std::u16string result;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Field& field = fields[i];
        if (field.letter != 0) {
            result.append(static_cast<std::size_t>(field.count), field.letter).append(field.text);
        } else if (field.quoted) {
            result += u'\'';
            for (char16_t c : field.text) {
                result.append(c == u'\'' ? 2 : 1, c);
            }
            result += u'\'';
        } else {
            result += tidied(field.text, i == 0, i + 1 == fields.size());
        }
    }
    return result;
}

ClockFormat::ClockFormat(ClockLocale regional)
    : locale(std::move(regional)),
      timeFields(fieldsOf(locale.dialect == PatternDialect::Qt ? withoutTimeZone(locale.timePattern)
                                                               : locale.timePattern)),
      dateFields(fieldsOf(locale.datePattern)) {
    for (const Field& field : timeFields) {
        twelveHour = twelveHour || field.letter == u'A' || field.letter == u'a';
    }
}

std::u16string ClockFormat::time(const ClockReading& reading) const {
    return write(timeFields, reading);
}

std::u16string ClockFormat::date(const ClockReading& reading) const {
    return write(dateFields, reading);
}

std::u16string ClockFormat::number(int value, int digits) const {
    std::u16string text;
    do {
        text.insert(0, utf16(locale.zeroDigit + static_cast<char32_t>(value % 10)));
        value /= 10;
        --digits;
    } while (value > 0 || digits > 0);
    return text;
}

std::u16string ClockFormat::dayPeriod(const ClockReading& reading, int count, bool upper) const {
    const std::u16string& text = reading.hour < 12 ? locale.am : locale.pm;
    if (locale.dialect == PatternDialect::Windows) {
        return count == 1 ? text.substr(0, 1) : text;
    }
    const std::u16string& cased = reading.hour < 12 ? (upper ? locale.amUpper : locale.amLower)
                                                    : (upper ? locale.pmUpper : locale.pmLower);
    return cased.empty() ? caseOf(text, upper) : cased;
}

std::u16string ClockFormat::write(const std::vector<Field>& fields,
                                  const ClockReading& reading) const {
    const bool windows = locale.dialect == PatternDialect::Windows;
    const int hour12 = reading.hour % 12 == 0 ? 12 : reading.hour % 12;
    std::u16string text;
    for (const Field& field : fields) {
        const int pad = field.count >= 2 ? 2 : 1;
        switch (field.letter) {
        case 0:
            text += field.text;
            break;
        case u'h':
            text += number(windows || twelveHour ? hour12 : reading.hour, pad);
            break;
        case u'H':
            text += number(reading.hour, pad);
            break;
        case u'm':
            text += number(reading.minute, pad);
            break;
        case u's':
            text += number(reading.second, pad);
            break;
        case u'z':
            text += number(0, field.count >= 3 ? 3 : 1);
            break;
        case u'A':
        case u'a':
        case u't':
            text += dayPeriod(reading, field.count, field.letter == u'A' || windows);
            break;
        case u'd':
            text += field.count <= 2   ? number(reading.day, pad)
                    : field.count == 3 ? locale.shortDays[weekday(reading) - 1]
                                       : locale.longDays[weekday(reading) - 1];
            break;
        case u'M':
            text += field.count <= 2   ? number(reading.month, pad)
                    : field.count == 3 ? locale.shortMonths[reading.month - 1]
                                       : locale.longMonths[reading.month - 1];
            break;
        case u'y':
            text += field.count == 2 || (windows && field.count == 1)
                        ? number(reading.year % 100, windows && field.count == 1 ? 1 : 2)
                        : number(reading.year, field.count >= 4 ? 4 : 1);
            break;
        case u'g':
            break; // the era, which the Gregorian calendar needs not say
        default:
            text.append(static_cast<std::size_t>(field.count), field.letter);
            break;
        }
    }
    return text;
}

} // namespace velkorn
