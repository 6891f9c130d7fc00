// What the main window does. It owns the CalculatorEngine: a click goes
// through the core's button map, an engine action runs on the engine and
// the boxes show its texts (the caret at the end of a changed text), a
// window action goes to the application; an engine error is reported over
// the window while the boxes keep what they showed, and no click is taken
// while the report is up. The user's own edits of the boxes are kept to 15
// characters by the box edit rule and handed to the engine. The result of
// an operation is announced to screen readers, and so are a digit that a
// click put into a box other than the one being typed in and a clearing
// of the boxes. Each tick of
// Timer1 reads the clock once and shows the time, then the date, in the
// user's regional formats (clockformat.h): each written anew only when it
// changed, the date from the time's own reading so that the two agree
// across midnight.
#pragma once

#include "velkorn/boxedit.h"
#include "velkorn/button_map.h"
#include "velkorn/calculator_engine.h"
#include "velkorn/cardpresenter.h"
#include "velkorn/clockformat.h"

#include <array>
#include <optional>
#include <string>

namespace velkorn {

class Form1View : public virtual CardView {
  public:
    // Shows a box's new text with the caret at `caret` (UTF-16 units). A
    // text set this way starts the box's undo history afresh.
    virtual void showBoxText(BoxId box, const std::u16string& text, std::size_t caret) = 0;
    // Whether the box has the keyboard focus (in the active window).
    virtual bool hasFocus(BoxId box) const = 0;
};

// The platform's clock: the local wall time, and the user's regional
// patterns and names to write it with.
class ClockSource {
  public:
    virtual ~ClockSource() = default;
    virtual ClockReading now() = 0;
    virtual ClockLocale locale() = 0;
};

class Form1Presenter final : public CardPresenter {
  public:
    static constexpr int kClockIntervalMs = 500;

    Form1Presenter(FormHost& host, Form1View& view, ClockSource& clock, DragSettings drag);

    const CalculatorEngine& engine() const { return calculator; }

    void click(std::string_view control) override;
    void closeCommand() override { host.endProgram(); }

    // Timer1: the time, then the date, from one reading of the clock.
    void tick();
    // The user's regional formats changed: the clock is written anew.
    void formatsChanged();

    // Asked before an edit of a box by the user takes effect.
    BoxEditDecision boxEditing(BoxId box, std::u16string_view after, std::size_t caret);
    // The box's text after an edit by the user.
    void boxEdited(BoxId box, std::u16string_view text);
    std::u16string boxText(BoxId box) const;

  private:
    void backgroundPressed(MouseButton button, Point pointer) override;
    void handle(const MappedAction& mapped, MouseButton button, Point pointer);
    void runOnEngine(const MappedAction& mapped);
    void showBoxes(const std::array<std::string, 3>& before);
    void announceUnseenDigit(const std::array<std::string, 3>& before);
    void showTime(const ClockReading& reading);
    const ClockFormat& clockFormat();

    Form1View& view;
    ClockSource& clock;
    CalculatorEngine calculator;
    bool reportingError = false;
    std::optional<ClockFormat> format; // made at the first tick
    std::optional<ClockReading> timeShown;
    std::optional<ClockReading> dateShown;
};

} // namespace velkorn
