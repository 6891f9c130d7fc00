// The application's frame, toolkit-free: the main window is made at
// start-up; Help and About are made the first time they are asked for,
// centred then, and afterwards only hidden and shown, so they keep their
// place and state; the program ends by hiding every window and leaving the
// event loop; errors are shown in a message box titled with the program's
// name, one at a time, and the program goes on once it is dismissed. A
// front end implements FrameView.
#pragma once

#include "velkorn/cardpresenter.h"
#include "velkorn/formhost.h"

#include <functional>
#include <string>

namespace velkorn {

inline constexpr char16_t kErrorBoxTitle[] = u"Velkorn Calculator";

// How wide an error box must be for its title to read whole: a short
// message makes a narrow box, whose title bar cut the title to "V... r".
// Beside the title lie the bar's icon and up to three buttons, each about
// as wide as the bar is high, and margins; a window manager's bold title
// face runs up to a quarter wider than the program's.
constexpr int errorBoxWidth(int titleWidth, int titleBarHeight) {
    return titleWidth * 5 / 4 + 6 * titleBarHeight;
}

class FrameView {
  public:
    virtual ~FrameView() = default;
    // Makes the window, hidden, and gives its presenter.
    virtual CardPresenter& createWindow(WindowId id) = 0;
    // Visible, in front, active.
    virtual void showWindow(WindowId id) = 0;
    virtual void hideWindow(WindowId id) = 0;
    // A message box over the window. The front end calls
    // errorBoxDismissed once the user has dismissed it, whether its boxes
    // block (before this returns) or not.
    virtual void showErrorBox(WindowId owner, const std::u16string& title,
                              const std::u16string& message) = 0;
    // Leaves the event loop; the program exits with this code.
    virtual void quit(int exitCode) = 0;
};

class ApplicationPresenter final : public FormHost {
  public:
    explicit ApplicationPresenter(FrameView& view) : view(view) {}

    // Makes the main window and shows it, centred.
    void start();

    void showWindow(WindowId id) override;
    void hideWindow(WindowId id) override;
    void endProgram() override;
    void reportError(WindowId origin, std::string_view message,
                     std::function<void()> dismissed) override;
    void errorBoxDismissed();

  private:
    bool isCreated(WindowId id) const { return cards[index(id)] != nullptr; }
    bool isVisible(WindowId id) const { return visible[index(id)]; }
    static int index(WindowId id) { return static_cast<int>(id); }
    void create(WindowId id);

    FrameView& view;
    CardPresenter* cards[3] = {nullptr, nullptr, nullptr};
    std::function<void()> onDismissed;
    bool visible[3] = {false, false, false};
    bool ended = false;
};

} // namespace velkorn
