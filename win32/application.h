// The Windows program's frame: makes the windows the ApplicationPresenter
// asks for, shows, hides and centres them, shows the error box and ends
// the message loop. When windows are made, and what ending the program
// means, is the presenter's; the windows reach it through FormHost.
#pragma once

#include "velkorn/applicationpresenter.h"

#include <memory>

namespace velkorn::win32 {

class CardWindow;

class Application final : private FrameView {
  public:
    Application();
    ~Application() override;

    // Shows the main window and runs the message loop until the program
    // ends; returns the exit code.
    int run();

  private:
    CardPresenter& createWindow(WindowId id) override;
    void showWindow(WindowId id) override;
    void hideWindow(WindowId id) override;
    void showErrorBox(WindowId owner, const std::u16string& title,
                      const std::u16string& message) override;
    void quit(int exitCode) override;

    CardWindow& window(WindowId id) const;

    ApplicationPresenter application{*this};
    std::unique_ptr<CardWindow> windows[3];
};

} // namespace velkorn::win32
