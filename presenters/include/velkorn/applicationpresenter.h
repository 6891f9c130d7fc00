// The application's frame, toolkit-free: the main window is made at
// start-up; Help and About are made the first time they are asked for,
// centred then, and afterwards only hidden and shown, so they keep their
// place and state; the program ends by hiding every window and leaving the
// event loop; errors are shown in a message box titled with the program's
// name, and the program goes on. A front end implements FrameView.
#pragma once

#include "velkorn/formhost.h"

#include <string>

namespace velkorn {

inline constexpr char16_t kErrorBoxTitle[] = u"Velkorn Calculator";

class FrameView {
  public:
    virtual ~FrameView() = default;
    virtual void createWindow(WindowId id) = 0;
    virtual void centreWindow(WindowId id) = 0;
    // Visible, in front, active.
    virtual void showWindow(WindowId id) = 0;
    virtual void hideWindow(WindowId id) = 0;
    // A modal message box over the window; returns once it is dismissed.
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
    void reportError(WindowId origin, std::string_view message) override;

  private:
    bool isCreated(WindowId id) const { return created[index(id)]; }
    bool isVisible(WindowId id) const { return visible[index(id)]; }
    static int index(WindowId id) { return static_cast<int>(id); }
    void create(WindowId id);

    FrameView& view;
    bool created[3] = {false, false, false};
    bool visible[3] = {false, false, false};
    bool ended = false;
};

} // namespace velkorn
