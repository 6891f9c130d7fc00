// Fake views and hosts for the presenter tests: they record what the
// presenters ask, in order, as short lines ("show About", "caption
// Label12 12:00 8.25"), so a test compares whole sequences.
#pragma once

#include "velkorn/applicationpresenter.h"
#include "velkorn/form1presenter.h"
#include "velkorn/utf8_text.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velkorn::test {

inline std::string windowName(WindowId id) {
    switch (id) {
    case WindowId::Main:
        return "Main";
    case WindowId::Help:
        return "Help";
    case WindowId::About:
        return "About";
    }
    return "?";
}

class FakeHost : public FormHost {
  public:
    void showWindow(WindowId id) override { calls.push_back("show " + windowName(id)); }
    void hideWindow(WindowId id) override { calls.push_back("hide " + windowName(id)); }
    void endProgram() override { calls.push_back("end"); }
    // Dismissed at once, as a blocking box is, unless the test holds it.
    void reportError(WindowId origin, std::string_view message,
                     std::function<void()> dismissed) override {
        calls.push_back("error " + windowName(origin) + ": " + std::string(message));
        if (duringReport) {
            duringReport();
        }
        if (holdReports) {
            pendingReport = std::move(dismissed);
        } else {
            dismissed();
        }
    }

    std::vector<std::string> calls;
    std::function<void()> duringReport;
    bool holdReports = false;
    std::function<void()> pendingReport;
};

// Text is 6 units wide a point; every control is 100 units wide.
class FakeCardView : public virtual CardView {
  public:
    void setCaption(std::string_view control, const std::u16string& text,
                    double pointSize) override {
        captions[std::string(control)] = text;
        sizes[std::string(control)] = pointSize;
        ++captionsSet;
    }
    double captionWidth(const std::u16string& text, double pointSize) const override {
        measured.push_back(toUtf8(text) + " " + std::to_string(pointSize));
        return static_cast<double>(text.size()) * pointSize * widthPerPoint;
    }
    double controlWidth(std::string_view) const override { return 100; }
    void setControlVisible(std::string_view control, bool visible) override {
        calls.push_back(std::string(visible ? "show " : "hide ") + std::string(control));
        shown[std::string(control)] = visible;
    }
    void setControlChecked(std::string_view control, bool isChecked) override {
        calls.push_back(std::string(isChecked ? "check " : "uncheck ") + std::string(control));
        checked[std::string(control)] = isChecked;
    }
    void layOut(const CardLayout& layout) override {
        calls.push_back("layout " + layout.background.front().file + " " +
                        std::to_string(layout.client.width));
        laidOut = layout;
    }
    // The live region's texts, an emptied region as "announce" alone.
    void showLiveText(const std::u16string& text) override {
        if (text.empty()) {
            ++liveCleared;
        } else {
            calls.push_back("announce " + toUtf8(text));
        }
    }
    int liveCleared = 0;
    void showKeyCues(bool shown) override { calls.push_back(shown ? "cues" : "no cues"); }
    void beep() override { calls.push_back("beep"); }
    void addDecorations() override { calls.push_back("decorations"); }
    void focusControl(std::string_view control) override {
        calls.push_back("focus " + std::string(control));
    }
    // Run when the test says the event loop came round.
    void postTask(std::function<void()> task) override { posted.push_back(std::move(task)); }
    void runPosted() {
        for (auto tasks = std::exchange(posted, {}); auto& task : tasks) {
            task();
        }
    }
    PixelRect workArea() const override { return {0, 40, 1000, 760}; }
    Point windowSize() const override { return {300, 360}; }

    Point windowPosition() const override { return position; }
    void moveWindowTo(Point topLeft) override {
        position = topLeft;
        calls.push_back("move " + std::to_string(topLeft.x) + "," + std::to_string(topLeft.y));
    }
    bool startSystemMove(MouseButton, Point pointer) override {
        calls.push_back("system move from " + std::to_string(pointer.x) + "," +
                        std::to_string(pointer.y));
        if (duringSystemMove) {
            duringSystemMove(); // a modal move loop, which delivers the release
        }
        return systemMoves;
    }
    void cancelSystemMove() override { calls.push_back("cancel system move"); }

    std::string caption(const std::string& control) const {
        const auto found = captions.find(control);
        return found == captions.end() ? "" : toUtf8(found->second);
    }

    std::vector<std::string> calls;
    std::map<std::string, std::u16string> captions;
    std::map<std::string, double> sizes;
    std::map<std::string, bool> shown;
    std::map<std::string, bool> checked;
    int captionsSet = 0;
    // What was measured, as "text size", in order.
    mutable std::vector<std::string> measured;
    double widthPerPoint = 1;
    Point position{100, 100};
    bool systemMoves = true;
    std::function<void()> duringSystemMove;
    std::vector<std::function<void()>> posted;
    std::optional<CardLayout> laidOut;
};

class FakeForm1View : public FakeCardView, public Form1View {
  public:
    void showBoxText(BoxId box, const std::u16string& text, std::size_t caret) override {
        const auto i = static_cast<std::size_t>(box);
        boxes[i] = text;
        carets[i] = caret;
        calls.push_back("box " + std::string(boxName(box)) + " " + toUtf8(text) + " caret " +
                        std::to_string(caret));
    }
    bool hasFocus(BoxId box) const override { return focus == box; }
    std::optional<BoxId> focus = BoxId::Text1;
    std::u16string boxes[3];
    std::size_t carets[3] = {0, 0, 0};
};

// 12:00:00 on 8 December 2026, in "HH:mm:ss" and "dd/MM/yyyy".
class FakeClock : public ClockSource {
  public:
    ClockReading now() override {
        ++readings;
        return reading;
    }
    ClockLocale locale() override {
        ++localesRead;
        return regional;
    }
    ClockReading reading{2026, 12, 8, 12, 0, 0};
    ClockLocale regional;
    int readings = 0;
    int localesRead = 0;
};

} // namespace velkorn::test
