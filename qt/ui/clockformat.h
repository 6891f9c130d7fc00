// How the main window's clock writes a time and a date: the user's regional
// formats, the time with seconds and without a time zone, the date short.
// The formats are looked up once; the clock ticks twice a second.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace velkorn::ui {

// A time format with its time-zone field ("t") removed together with the
// brackets and separator around it, and the day period that Qt does not
// know ("B") written as AM/PM; quoted text is kept as it is.
QString withoutTimeZone(const QString& format);

class ClockFormat {
  public:
    explicit ClockFormat(const QLocale& locale = QLocale());

    QString time(QTime time) const { return locale.toString(time, timeFormat); }
    QString date(QDate date) const { return locale.toString(date, dateFormat); }

  private:
    QLocale locale;
    QString timeFormat;
    QString dateFormat;
};

} // namespace velkorn::ui
