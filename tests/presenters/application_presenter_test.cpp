#include "fakes.h"

#include <gtest/gtest.h>

namespace velkorn::test {
namespace {

class FakeFrame : public FrameView {
  public:
    void createWindow(WindowId id) override { calls.push_back("create " + windowName(id)); }
    void centreWindow(WindowId id) override { calls.push_back("centre " + windowName(id)); }
    void showWindow(WindowId id) override { calls.push_back("show " + windowName(id)); }
    void hideWindow(WindowId id) override { calls.push_back("hide " + windowName(id)); }
    void showErrorBox(WindowId owner, const std::u16string& title,
                      const std::u16string& message) override {
        calls.push_back("box over " + windowName(owner) + " \"" + toUtf8(title) + "\": " +
                        toUtf8(message));
    }
    void quit(int exitCode) override { calls.push_back("quit " + std::to_string(exitCode)); }

    std::vector<std::string> calls;
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
        {"start", {}, {"create Main", "centre Main", "show Main"}},
        {"Help made once, shown again where it was",
         {[](auto& a) { a.showWindow(Help); }, [](auto& a) { a.hideWindow(Help); },
          [](auto& a) { a.hideWindow(Help); }, [](auto& a) { a.showWindow(Help); },
          [](auto& a) { a.showWindow(Help); }},
         {"create Main", "centre Main", "show Main", "create Help", "centre Help", "show Help",
          "hide Help", "show Help", "show Help"}},
        {"the main window is never hidden",
         {[](auto& a) { a.hideWindow(Main); }},
         {"create Main", "centre Main", "show Main"}},
        {"hiding a window never made does nothing",
         {[](auto& a) { a.hideWindow(About); }},
         {"create Main", "centre Main", "show Main"}},
        {"the end hides every window shown, once",
         {[](auto& a) { a.showWindow(About); }, [](auto& a) { a.showWindow(Help); },
          [](auto& a) { a.hideWindow(Help); }, [](auto& a) { a.endProgram(); },
          [](auto& a) { a.endProgram(); }, [](auto& a) { a.showWindow(Help); }},
         {"create Main", "centre Main", "show Main", "create About", "centre About",
          "show About", "create Help", "centre Help", "show Help", "hide Help", "hide About",
          "hide Main", "quit 0"}},
        {"errors in a box titled with the program's name",
         {[](auto& a) { a.reportError(Main, "Overflow"); }},
         {"create Main", "centre Main", "show Main",
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

} // namespace
} // namespace velkorn::test
