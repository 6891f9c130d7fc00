// The Windows program's frame: creates the main window at start-up, creates
// the Help and About windows the first time they are asked for and
// afterwards only hides and shows them, reports errors in a message box,
// and ends the program. The windows reach it through FormHost.
#pragma once

#include "formhost.h"

#include <memory>

namespace velkorn::win32 {

class CardWindow;
class Form1;

class Application final : public FormHost {
  public:
    Application();
    ~Application() override;

    // Shows the main window and runs the message loop until the program
    // ends; returns the exit code.
    int run();

    void showWindow(WindowId id) override;
    void hideWindow(WindowId id) override;
    void endProgram() override;
    void reportError(const std::exception& error, HWND owner) override;

  private:
    CardWindow* window(WindowId id) const;

    std::unique_ptr<Form1> form1;
    std::unique_ptr<CardWindow> help;
    std::unique_ptr<CardWindow> about;
};

} // namespace velkorn::win32
