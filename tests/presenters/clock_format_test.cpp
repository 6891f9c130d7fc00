// The clock's patterns, in Qt's and Windows' letters, as the model reads
// and writes them.
#include "velkorn/clockformat.h"
#include "velkorn/utf8_text.h"

#include <gtest/gtest.h>

namespace velkorn {
namespace {

TEST(ClockFormat, TimeZonesAreLeftOut) {
    const std::pair<const char16_t*, const char16_t*> table[] = {
        {u"HH:mm:ss t", u"HH:mm:ss"},
        {u"t HH:mm:ss", u"HH:mm:ss"},
        {u"h:mm:ss AP t", u"h:mm:ss AP"},
        {u"H 'h' mm 'min' ss 's' t", u"H 'h' mm 'min' ss 's'"},
        {u"HH.mm.ss", u"HH.mm.ss"},
        {u"H:mm:ss (t)", u"H:mm:ss"},
        {u"Bh:mm:ss [t]", u"APh:mm:ss"},
        {u"HH:mm:ss, t", u"HH:mm:ss"},
        {u"HH:mm:ss '()' t", u"HH:mm:ss '()'"},
        {u"HH:mm t  ss", u"HH:mm ss"},
        {u" - t, HH:mm:ss; t :", u"HH:mm:ss"},
        {u"HH:mm:ss (ss)", u"HH:mm:ss (ss)"},
    };
    for (const auto& [pattern, kept] : table) {
        EXPECT_EQ(toUtf8(withoutTimeZone(pattern)), toUtf8(kept)) << toUtf8(pattern);
    }
}

TEST(ClockFormat, ReadingsInEitherPlatformsLetters) {
    ClockLocale names;
    names.shortMonths[2] = u"Mar";
    names.longMonths[2] = u"March";
    names.shortDays[2] = u"Wed";
    names.longDays[2] = u"Wednesday";
    names.am = u"a.m.";
    names.pm = u"p.m.";
    const ClockReading afternoon{2027, 3, 3, 15, 4, 5}; // a Wednesday
    const ClockReading morning{2027, 3, 3, 0, 4, 5};
    const struct {
        PatternDialect dialect;
        const char16_t* pattern;
        ClockReading reading;
        const char* expected;
    } table[] = {
        {PatternDialect::Qt, u"HH:mm:ss t", afternoon, "15:04:05"},
        {PatternDialect::Qt, u"h:mm:ss AP", afternoon, "3:04:05 P.M."},
        {PatternDialect::Qt, u"h:mm:ss ap", morning, "12:04:05 a.m."},
        {PatternDialect::Qt, u"h:m:s", afternoon, "15:4:5"}, // 24-hour without a period
        {PatternDialect::Qt, u"dd/MM/yy", afternoon, "03/03/27"},
        {PatternDialect::Qt, u"dddd d MMMM yyyy", afternoon, "Wednesday 3 March 2027"},
        {PatternDialect::Qt, u"ddd d MMM", afternoon, "Wed 3 Mar"},
        {PatternDialect::Windows, u"h:mm:ss tt", afternoon, "3:04:05 p.m."},
        {PatternDialect::Windows, u"hh:mm:ss t", morning, "12:04:05 a"},
        {PatternDialect::Windows, u"HH:mm:ss", morning, "00:04:05"},
        {PatternDialect::Windows, u"M/d/yyyy", afternoon, "3/3/2027"},
        {PatternDialect::Windows, u"gg yyyy-MM-dd", afternoon, " 2027-03-03"},
        {PatternDialect::Windows, u"d.M.y", {2009, 1, 2, 0, 0, 0}, "2.1.9"},
    };
    for (const auto& row : table) {
        ClockLocale locale = names;
        locale.dialect = row.dialect;
        locale.timePattern = row.pattern;
        locale.datePattern = row.pattern;
        const ClockFormat format(locale);
        EXPECT_EQ(toUtf8(format.time(row.reading)), row.expected) << toUtf8(row.pattern);
    }
    // The locale's own digits.
    ClockLocale arabic;
    arabic.zeroDigit = U'\u0660';
    EXPECT_EQ(toUtf8(ClockFormat(arabic).time({2027, 3, 3, 9, 8, 7})), "٠٩:٠٨:٠٧");
}

// A browser's parts for the user's locale, as the pattern that writes them.
TEST(ClockFormat, BrowserPartsMadeAPattern) {
    using Parts = std::vector<IntlPart>;
    const struct {
        const char* locale;
        Parts parts;
        const char16_t* pattern;
    } table[] = {
        {"en-US time",
         Parts{{u"hour", u"3", u"numeric"},
               {u"literal", u":"},
               {u"minute", u"04", u"2-digit"},
               {u"literal", u":"},
               {u"second", u"05", u"2-digit"},
               {u"literal", u" "},
               {u"dayPeriod", u"PM"}},
         u"h:mm:ss AP"},
        {"de-DE time",
         Parts{{u"hour", u"15", u"2-digit"},
               {u"literal", u":"},
               {u"minute", u"04", u"2-digit"},
               {u"literal", u":"},
               {u"second", u"05", u"2-digit"}},
         u"HH:mm:ss"},
        {"en-GB date",
         Parts{{u"day", u"03", u"2-digit"},
               {u"literal", u"/"},
               {u"month", u"03", u"2-digit"},
               {u"literal", u"/"},
               {u"year", u"2027", u"numeric"}},
         u"dd/MM/yyyy"},
        {"a literal with letters, and a quote",
         Parts{{u"day", u"3", u"numeric"},
               {u"literal", u" de "},
               {u"month", u"marzo", u"long"},
               {u"literal", u" o'"},
               {u"year", u"27", u"2-digit"}},
         u"d' de 'MMMM' o'''yy"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(toUtf8(patternOfIntlParts(row.parts)), toUtf8(row.pattern)) << row.locale;
    }
    // Written back as the browser showed it.
    ClockLocale browser;
    browser.timePattern = patternOfIntlParts(table[0].parts);
    EXPECT_EQ(toUtf8(ClockFormat(browser).time({2027, 3, 3, 15, 4, 5})), "3:04:05 PM");
}

} // namespace
} // namespace velkorn
