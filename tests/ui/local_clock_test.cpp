// The main window's clock writes a time once a second and a date once a
// day, both from one reading of the clock.
#include "clockformat.h"
#include "localclock.h"

#include <QTest>

using velkorn::ui::ClockFormat;
using velkorn::ui::LocalClock;

class LocalClockTest : public QObject {
    Q_OBJECT

  private:
    QDateTime reading;
    int readings = 0;

    LocalClock::Now fake() {
        return [this] {
            ++readings;
            return reading;
        };
    }

  private slots:
    void init() { readings = 0; }

    void aNewSecondIsWrittenAnew() {
        LocalClock clock(fake());
        const ClockFormat format;
        const QDate day(2026, 12, 7);
        for (const QTime time : {QTime(12, 0, 0, 100), QTime(12, 0, 0, 600), QTime(12, 0, 1, 100),
                                 QTime(12, 0, 59, 999), QTime(13, 0, 59, 0)}) {
            reading = QDateTime(day, time);
            QCOMPARE(QString::fromStdU16String(clock.timeText()), format.time(time));
        }
    }

    // At midnight the date turns with the time it was read with, never a
    // moment after it.
    void theDateIsTheLastTimeReadsDay() {
        LocalClock clock(fake());
        const ClockFormat format;
        reading = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 900));
        clock.timeText();
        reading = QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0, 100));
        QCOMPARE(QString::fromStdU16String(clock.dateText()), format.date(QDate(2026, 12, 31)));
        QCOMPARE(readings, 1);
        QCOMPARE(QString::fromStdU16String(clock.timeText()), format.time(QTime(0, 0)));
        QCOMPARE(QString::fromStdU16String(clock.dateText()), format.date(QDate(2027, 1, 1)));
        QCOMPARE(readings, 2);
    }

    void aDateAskedFirstReadsTheClock() {
        LocalClock clock(fake());
        reading = QDateTime(QDate(2026, 12, 7), QTime(8, 0));
        QCOMPARE(QString::fromStdU16String(clock.dateText()),
                 ClockFormat().date(QDate(2026, 12, 7)));
        QCOMPARE(readings, 1);
    }
};

QTEST_MAIN(LocalClockTest)
#include "local_clock_test.moc"
