#include "localclock.h"

namespace velkorn::ui {

std::u16string LocalClock::timeText() {
    const QDateTime reading = now();
    readDay = reading.date();
    const QTime time = reading.time();
    // The formats show no fractions of a second.
    const int second = time.msecsSinceStartOfDay() / 1000;
    if (second != writtenSecond) {
        writtenSecond = second;
        writtenTime = format.time(time).toStdU16String();
    }
    return writtenTime;
}

// The day of the time last read: the two captions agree even across
// midnight, and the clock is read once a tick.
std::u16string LocalClock::dateText() {
    const QDate day = readDay.isValid() ? readDay : now().date();
    if (day != writtenDay) {
        writtenDay = day;
        writtenDate = format.date(day).toStdU16String();
    }
    return writtenDate;
}

} // namespace velkorn::ui
