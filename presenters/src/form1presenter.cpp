#include "velkorn/form1presenter.h"

#include "velkorn/form1description.h"
#include "velkorn/utf8_text.h"

namespace velkorn {
namespace {

constexpr BoxId kBoxes[] = {BoxId::Text1, BoxId::Text2, BoxId::Text3};

} // namespace

Form1Presenter::Form1Presenter(FormHost& host, Form1View& view, ClockSource& clock,
                               DragSettings drag)
    : CardPresenter(form1Description(), WindowId::Main, host, view, drag), view(view),
      clock(clock) {}

void Form1Presenter::click(std::string_view control) {
    if (const auto mapped = actionFor(control, ControlEvent::Click)) {
        handle(*mapped, MouseButton::Left, {});
    }
}

void Form1Presenter::backgroundPressed(MouseButton button, Point pointer) {
    if (const auto mapped = actionFor(description().name, ControlEvent::MouseDown)) {
        handle(*mapped, button, pointer);
    }
}

void Form1Presenter::handle(const MappedAction& mapped, MouseButton button, Point pointer) {
    if (reportingError) {
        return; // the message box is up; a screen reader can still press keys
    }
    switch (mapped.action) {
    case ButtonAction::EnterDigit:
    case ButtonAction::Add:
    case ButtonAction::Subtract:
    case ButtonAction::Multiply:
    case ButtonAction::Divide:
    case ButtonAction::Clear:
        runOnEngine(mapped);
        return;
    case ButtonAction::ShowAbout:
        host.showWindow(WindowId::About);
        return;
    case ButtonAction::ShowHelp:
        host.showWindow(WindowId::Help);
        return;
    case ButtonAction::ShowTime:
        showTime(clock.now());
        return;
    case ButtonAction::ExitProgram:
        host.endProgram();
        return;
    case ButtonAction::DragWindow:
        startDrag(button, pointer);
        return;
    }
}

void Form1Presenter::runOnEngine(const MappedAction& mapped) {
    // The engine's texts are compared as they are; only a changed box is
    // converted and shown.
    const std::array<std::string, 3> before{calculator.text(BoxId::Text1),
                                            calculator.text(BoxId::Text2),
                                            calculator.text(BoxId::Text3)};
    try {
        performEngineAction(calculator, mapped);
    } catch (const CalculatorError& error) {
        // The boxes keep what they showed before the click, and no click
        // is taken until the user has dismissed the report.
        reportingError = true;
        host.reportError(id(), error.what(), [this] { reportingError = false; });
        return;
    }
    showBoxes(before);
    if (mapped.action == ButtonAction::EnterDigit) {
        announceUnseenDigit(before);
    } else if (mapped.action == ButtonAction::Clear) {
        // Screen readers say nothing of text the user did not delete.
        announce(u"Cleared");
    } else {
        // The result box changed without the focus: heard all the same.
        announce(u"Output " + boxText(BoxId::Text3));
    }
}

// A screen reader speaks what changes in the box with the focus (the new
// digit) and nothing of the others: a digit that went into another box is
// announced with that box's name and its whole number.
void Form1Presenter::announceUnseenDigit(const std::array<std::string, 3>& before) {
    for (BoxId box : kBoxes) {
        if (calculator.text(box) != before[static_cast<std::size_t>(box)] && !view.hasFocus(box)) {
            const char* name = description().control(boxName(box)).accessibleName;
            announce(toUtf16(name) + u" " + boxText(box));
        }
    }
}

void Form1Presenter::showBoxes(const std::array<std::string, 3>& before) {
    for (BoxId box : kBoxes) {
        if (calculator.text(box) != before[static_cast<std::size_t>(box)]) {
            const std::u16string text = boxText(box);
            view.showBoxText(box, text, text.size());
        }
    }
}

BoxEditDecision Form1Presenter::boxEditing(BoxId box, std::u16string_view after,
                                           std::size_t caret) {
    BoxEditDecision decision = decideBoxEdit(boxText(box), after, caret);
    if (decision.verdict == EditVerdict::Refuse) {
        view.beep();
    }
    return decision;
}

void Form1Presenter::boxEdited(BoxId box, std::u16string_view text) {
    calculator.setText(box, toUtf8(text));
    // An edit that reached the box some other way than through boxEditing
    // and made it too long: the box shows what the engine kept.
    const std::u16string kept = boxText(box);
    if (kept != text) {
        view.showBoxText(box, kept, kept.size());
    }
}

std::u16string Form1Presenter::boxText(BoxId box) const {
    return toUtf16(calculator.text(box));
}

const ClockFormat& Form1Presenter::clockFormat() {
    if (!format) {
        format.emplace(clock.locale());
    }
    return *format;
}

// The timer ticks twice a second to keep up with the seconds: most ticks
// find the second, and nearly all the day, already written.
void Form1Presenter::tick() {
    const ClockReading reading = clock.now();
    showTime(reading);
    const auto sameDay = [&reading](const ClockReading& shown) {
        return shown.year == reading.year && shown.month == reading.month &&
               shown.day == reading.day;
    };
    if (!dateShown || !sameDay(*dateShown)) {
        dateShown = reading;
        showCaption(form1::kDate, clockFormat().date(reading));
    }
}

void Form1Presenter::showTime(const ClockReading& reading) {
    if (timeShown != reading) {
        timeShown = reading;
        showCaption(form1::kTime, clockFormat().time(reading));
    }
}

void Form1Presenter::formatsChanged() {
    format.reset();
    timeShown.reset();
    dateShown.reset();
}

} // namespace velkorn
