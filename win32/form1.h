// The main window as a humble view: its card, three number boxes and the
// clock timer. What it does is Form1Presenter's: clicks, the boxes' edit
// rule, the clock; the window shows what the presenter asks.
#pragma once

#include "cardwindow.h"

#include "velkorn/form1presenter.h"

#include <array>

namespace velkorn::win32 {

// The main window's clock on Windows: readings of the local time, and the
// user's regional patterns and names in Windows' letters. How they are
// written, and when, is the presenter's.
class LocalClock : public ClockSource {
  public:
    ClockReading now() override;
    ClockLocale locale() override;
};

class Form1 final : public CardWindow, public Form1View {
  public:
    explicit Form1(FormHost& host);

    Form1Presenter& presenter() override { return form; }

    void showBoxText(BoxId box, const std::u16string& text, std::size_t caret) override;
    bool hasFocus(BoxId box) const override;

  protected:
    bool windowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void connectBoxes();
    void boxChanged(HWND box);

    LocalClock clock;
    Form1Presenter form;
    std::array<HWND, 3> boxes{};
};

} // namespace velkorn::win32
