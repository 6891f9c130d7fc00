// How the main window's clock writes a time and a date: the user's regional
// formats, the time with seconds and without a time zone, the date short.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace velkorn::ui {

// A time format with its time-zone fields ("t") removed, quoted text kept.
QString withoutTimeZone(const QString& format);

QString clockTimeText(QTime time, const QLocale& locale = QLocale());
QString clockDateText(QDate date, const QLocale& locale = QLocale());

} // namespace velkorn::ui
