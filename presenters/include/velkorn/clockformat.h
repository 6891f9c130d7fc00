// How the main window's clock writes a time and a date, decided once for
// every front end: the platform gives a reading of the local wall clock
// and the user's regional patterns, names and digits; the model reads the
// pattern in the platform's own letters, leaves the time zone out, and
// writes the reading with seconds, the date short.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn {

struct ClockReading {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0; // 0 to 23
    int minute = 0;
    int second = 0;

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

// Whose letters a pattern is written in. Qt: "t" is the time zone, "AP"
// and "A" the day period in upper case, "ap" and "a" in lower case, "h"
// 12-hour only beside a day period. Windows: "t" and "tt" are the day
// period (its first character, or whole), "h" 12-hour, "gg" the era.
enum class PatternDialect { Qt, Windows };

struct ClockLocale {
    std::u16string timePattern = u"HH:mm:ss";
    std::u16string datePattern = u"dd/MM/yyyy";
    PatternDialect dialect = PatternDialect::Qt;
    std::u16string am = u"AM";
    std::u16string pm = u"PM";
    // The day periods in upper and lower case, for Qt's "AP" and "ap",
    // where the platform can case them beyond ASCII; else cased here.
    std::u16string amUpper{}, pmUpper{}, amLower{}, pmLower{};
    std::array<std::u16string, 12> shortMonths{};
    std::array<std::u16string, 12> longMonths{};
    std::array<std::u16string, 7> shortDays{}; // Monday first
    std::array<std::u16string, 7> longDays{};
    char32_t zeroDigit = U'0';
};

// A Qt time pattern without its time zone ("t"), the brackets and
// separators that set it off, and runs of blanks it left made one; the day
// period Qt 6.4 does not know ("B") is written as AM/PM ("AP").
std::u16string withoutTimeZone(std::u16string_view pattern);

// A part of a time or a date as a browser lays it out for the user's
// locale (Intl.DateTimeFormat's formatToParts: "hour", "literal",
// "dayPeriod", ...), with the option it was resolved to ("numeric",
// "2-digit", "short", "long").
struct IntlPart {
    std::u16string type;
    std::u16string value;
    std::u16string option{};
};

// The pattern, in Qt's letters, that writes a reading as the parts show
// one: the browser gives no pattern of its own. Hours are on the 12-hour
// clock where a day period is among the parts; a literal with Latin
// letters in it ("de", "h") is quoted.
std::u16string patternOfIntlParts(const std::vector<IntlPart>& parts);

class ClockFormat {
  public:
    explicit ClockFormat(ClockLocale locale);

    std::u16string time(const ClockReading& reading) const;
    std::u16string date(const ClockReading& reading) const;

    // A field of a pattern: a run of one letter, or literal text.
    struct Field {
        char16_t letter; // 0: literal
        int count;
        std::u16string text; // a literal's; "P" after Qt's "A" of "AP"
        bool quoted = false;
    };

  private:
    std::u16string write(const std::vector<Field>& fields, const ClockReading& reading) const;
    std::u16string number(int value, int digits) const;
    std::u16string dayPeriod(const ClockReading& reading, int count, bool upper) const;

    ClockLocale locale;
    std::vector<Field> timeFields;
    std::vector<Field> dateFields;
    bool twelveHour = false; // Qt's "h" and "hh" beside a day period
};

} // namespace velkorn
