// The main window's clock on Linux: readings of the local time, and the
// user's regional patterns, names and digits as Qt knows them. How they
// are written, and when, is the presenter's.
#pragma once

#include "velkorn/form1presenter.h"

#include <QDateTime>
#include <QLocale>

#include <functional>

namespace velkorn::ui {

class LocalClock : public ClockSource {
  public:
    using Now = std::function<QDateTime()>;
    explicit LocalClock(Now now) : now_(std::move(now)) {}

    ClockReading now() override;
    ClockLocale locale() override;

  private:
    Now now_;
};

// A locale's patterns (the time with seconds, the date short), names and
// digits, in Qt's letters.
ClockLocale clockLocale(const QLocale& locale);

ClockReading clockReading(const QDateTime& time);

} // namespace velkorn::ui
