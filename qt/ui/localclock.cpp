#include "localclock.h"

namespace velkorn::ui {

ClockReading clockReading(const QDateTime& time) {
    const QDate day = time.date();
    const QTime clock = time.time();
    return {day.year(), day.month(), day.day(), clock.hour(), clock.minute(), clock.second()};
}

ClockReading LocalClock::now() {
    return clockReading(now_());
}

ClockLocale LocalClock::locale() {
    return clockLocale(QLocale());
}

ClockLocale clockLocale(const QLocale& locale) {
    ClockLocale regional{.timePattern = locale.timeFormat(QLocale::LongFormat).toStdU16String(),
                         .datePattern = locale.dateFormat(QLocale::ShortFormat).toStdU16String(),
                         .dialect = PatternDialect::Qt,
                         .am = locale.amText().toStdU16String(),
                         .pm = locale.pmText().toStdU16String(),
                         .amUpper = locale.amText().toUpper().toStdU16String(),
                         .pmUpper = locale.pmText().toUpper().toStdU16String(),
                         .amLower = locale.amText().toLower().toStdU16String(),
                         .pmLower = locale.pmText().toLower().toStdU16String()};
    for (int month = 1; month <= 12; ++month) {
        regional.shortMonths[month - 1] =
            locale.monthName(month, QLocale::ShortFormat).toStdU16String();
        regional.longMonths[month - 1] = locale.monthName(month).toStdU16String();
    }
    for (int day = 1; day <= 7; ++day) {
        regional.shortDays[day - 1] = locale.dayName(day, QLocale::ShortFormat).toStdU16String();
        regional.longDays[day - 1] = locale.dayName(day).toStdU16String();
    }
    const std::u32string zero = locale.zeroDigit().toStdU32String();
    regional.zeroDigit = zero.empty() ? U'0' : zero.front();
    return regional;
}

} // namespace velkorn::ui
