#include "fakes.h"

#include "velkorn/form2presenter.h"

#include <gtest/gtest.h>

#include <memory>

namespace velkorn::test {
namespace {

// Each window a card over a fake view; where a window is placed is told
// as "at" and its top left-hand corner.
class FakeFrame : public FrameView {
  public:
    struct Card : FakeCardView {
        Card(FakeFrame& frame, WindowId id) : frame(frame), name(windowName(id)) {}
        void moveWindowTo(Point topLeft) override {
            frame.calls.push_back(name + " at " + std::to_string(topLeft.x) + "," +
                                  std::to_string(topLeft.y));
        }
        FakeFrame& frame;
        std::string name;
        FakeHost host;
        Form2Presenter presenter{host, *this, {}};
    };

    CardPresenter& createWindow(WindowId id) override {
        calls.push_back("create " + windowName(id));
        cards.push_back(std::make_unique<Card>(*this, id));
        return cards.back()->presenter;
    }
    void showWindow(WindowId id) override { calls.push_back("show " + windowName(id)); }
    void hideWindow(WindowId id) override { calls.push_back("hide " + windowName(id)); }
    void showErrorBox(WindowId owner, const std::u16string& title,
                      const std::u16string& message) override {
        calls.push_back("box over " + windowName(owner) + " \"" + toUtf8(title) + "\": " +
                        toUtf8(message));
    }
    void quit(int exitCode) override { calls.push_back("quit " + std::to_string(exitCode)); }

    std::vector<std::string> calls;
    std::vector<std::unique_ptr<Card>> cards;
};

using Steps = std::vector<std::function<void(ApplicationPresenter&)>>;

struct LifetimeCase {
    const char* name;
    Steps steps;
    std::vector<std::string> calls;
};


TEST(ApplicationPresenter, WindowsAreMadeOnceCentredOnceAndOnlyHiddenAfterwards) {
    using enum WindowId;
    const LifetimeCase table[] = {
        {"start", {}, {"create Main", "Main at 350,240", "show Main"}},
        {"Help made once, shown again where it was",
         {[](auto& a) { a.showWindow(Help); }, [](auto& a) { a.hideWindow(Help); },
          [](auto& a) { a.hideWindow(Help); }, [](auto& a) { a.showWindow(Help); },
          [](auto& a) { a.showWindow(Help); }},
         {"create Main", "Main at 350,240", "show Main", "create Help", "Help at 350,240", "show Help",
          "hide Help", "show Help", "show Help"}},
        {"the main window is never hidden",
         {[](auto& a) { a.hideWindow(Main); }},
         {"create Main", "Main at 350,240", "show Main"}},
        {"hiding a window never made does nothing",
         {[](auto& a) { a.hideWindow(About); }},
         {"create Main", "Main at 350,240", "show Main"}},
        {"the end hides every window shown, once",
         {[](auto& a) { a.showWindow(About); }, [](auto& a) { a.showWindow(Help); },
          [](auto& a) { a.hideWindow(Help); }, [](auto& a) { a.endProgram(); },
          [](auto& a) { a.endProgram(); }, [](auto& a) { a.showWindow(Help); }},
         {"create Main", "Main at 350,240", "show Main", "create About", "About at 350,240",
          "show About", "create Help", "Help at 350,240", "show Help", "hide Help", "hide About",
          "hide Main", "quit 0"}},
        {"errors in a box titled with the program's name",
         {[](auto& a) { a.reportError(Main, "Overflow", [] {}); }},
         {"create Main", "Main at 350,240", "show Main",
          "box over Main \"Velkorn Calculator\": Overflow"}},
    };
    for (const LifetimeCase& row : table) {
        SCOPED_TRACE(row.name);
        FakeFrame frame;
        ApplicationPresenter app(frame);
        app.start();
        for (const auto& step : row.steps) {
            step(app);
        }
        EXPECT_EQ(frame.calls, row.calls);
    }
}

// The report is a request: what raised it hears when the user has
// dismissed the box, whenever that is, and only then.
TEST(ApplicationPresenter, AnErrorReportEndsWhenItsBoxIsDismissed) {
    FakeFrame frame;
    ApplicationPresenter app(frame);
    app.start();
    int dismissed = 0;
    app.reportError(WindowId::Main, "Overflow", [&dismissed] { ++dismissed; });
    EXPECT_EQ(dismissed, 0);
    app.errorBoxDismissed();
    app.errorBoxDismissed();
    EXPECT_EQ(dismissed, 1);
}

} // namespace
} // namespace velkorn::test
