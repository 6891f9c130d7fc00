// The main window on the page: its card, three number boxes, the clock in
// the user's locale (as the browser lays a time and a date out) and its
// timer. What it does is Form1Presenter's.
#pragma once

#include "webcard.h"

#include "velkorn/form1presenter.h"

namespace velkorn::web {

class BrowserClock : public ClockSource {
  public:
    ClockReading now() override;
    ClockLocale locale() override;
};

class WebForm1 final : public WebCard, public Form1View {
  public:
    explicit WebForm1(FormHost& host);

    Form1Presenter& presenter() override { return form; }

    void showBoxText(BoxId box, const std::u16string& text, std::size_t caret) override;
    bool hasFocus(BoxId box) const override;

  private:
    BrowserClock clock;
    Form1Presenter form;
};

} // namespace velkorn::web
