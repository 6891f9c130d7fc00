// The main window: a view of the CalculatorEngine it owns. Clicks on its
// controls go through the core's button map: engine actions run on the
// engine and the boxes show its texts afterwards; window actions go to the
// application (another window, exit) or are done here (the time). Engine
// errors are reported over this window and the boxes keep what they showed.
#pragma once

#include "cardwindow.h"

#include "velkorn/calculator_engine.h"

#include <array>

namespace velkorn::win32 {

class Form1 final : public CardWindow {
  public:
    explicit Form1(FormHost& host);

  protected:
    void Control_Click(std::string_view name) override;
    void Box_Change(HWND box) override;
    void Form_Timer(UINT_PTR timer) override;
    void Form_Close() override { host.endProgram(); }

  private:
    void Timer1_Timer();
    void showTime();
    void showBoxes();
    void takeEdit(BoxId id, HWND box);

    CalculatorEngine calculator;
    std::array<HWND, 3> boxes{};
    bool showingBoxes = false;
};

} // namespace velkorn::win32
