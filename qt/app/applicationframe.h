// The application's frame: creates the main window at start-up, creates the
// Help and About windows the first time they are asked for and afterwards
// only hides and shows them, and ends the program. Windows reach it through
// their signals; they never include it.
#pragma once

#include "form1.h"
#include "picturecard.h"
#include "velkorn/windowid.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

namespace velkorn::app {

class ApplicationFrame : public QObject {
    Q_OBJECT

  public:
    using Factory = std::function<std::unique_ptr<ui::PictureCard>()>;

    explicit ApplicationFrame(ui::ErrorReporter& reporter,
                              ui::Form1::Clock clock = &QDateTime::currentDateTime);
    ~ApplicationFrame() override;

    // How a secondary window is made when it is first shown (the Help and
    // About windows unless replaced).
    void setFactory(WindowId id, Factory factory);

    // Shows the main window, centred on the screen.
    void start();

    void showWindow(WindowId id);
    void hideWindow(WindowId id);
    // Closes every window and leaves the event loop.
    void endProgram();

    ui::Form1& mainWindow() { return *form1; }
    // A window once created, or nullptr before its first showWindow.
    ui::PictureCard* window(WindowId id) const;

  signals:
    void programEnded();

  private:
    std::unique_ptr<ui::Form1> form1;
    std::map<WindowId, Factory> factories;
    std::map<WindowId, std::unique_ptr<ui::PictureCard>> secondary;
};

} // namespace velkorn::app
