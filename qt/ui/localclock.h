// The main window's clock: readings in the user's regional formats. The
// timer ticks twice a second and the presenter asks for the date each time
// the second moves on, so a reading in the second or on the day already
// written gives that text again, not a new one. The date is that of the
// last time read.
#pragma once

#include "clockformat.h"

#include "velkorn/form1presenter.h"

#include <QDateTime>

#include <functional>

namespace velkorn::ui {

class LocalClock : public ClockSource {
  public:
    using Now = std::function<QDateTime()>;
    explicit LocalClock(Now now) : now(std::move(now)) {}

    std::u16string timeText() override;
    std::u16string dateText() override;

  private:
    Now now;
    ClockFormat format;
    QDate readDay;
    int writtenSecond = -1;
    std::u16string writtenTime;
    QDate writtenDay;
    std::u16string writtenDate;
};

} // namespace velkorn::ui
