// The Linux program's frame: makes the windows the ApplicationPresenter
// asks for, shows, hides and centres them, shows the error box and leaves
// the event loop. When windows are made, and what ending the program
// means, is the presenter's; the windows reach it through FormHost.
#pragma once

#include "form1.h"
#include "cardwindow.h"

#include "velkorn/applicationpresenter.h"

#include <QObject>

#include <functional>
#include <map>
#include <memory>

namespace velkorn::app {

class Application : public QObject, private FrameView {
    Q_OBJECT

  public:
    using Factory = std::function<std::unique_ptr<ui::CardWindow>(FormHost&)>;

    explicit Application(ui::Form1::Clock clock = &QDateTime::currentDateTime);
    ~Application() override;

    // How a secondary window is made when it is first shown (the Help and
    // About windows unless replaced).
    void setFactory(WindowId id, Factory factory);

    // Shows the main window, centred on the screen.
    void start() { application.start(); }

    FormHost& host() { return application; }
    ui::Form1& mainWindow() { return *form1; }
    // A window once made, or nullptr before its first showWindow.
    ui::CardWindow* window(WindowId id) const;

  signals:
    void programEnded();
    // The message box is about to show; tests answer it from here.
    void errorShown(velkorn::WindowId owner, const QString& message);

  private:
    CardPresenter& createWindow(WindowId id) override;
    void showWindow(WindowId id) override;
    void hideWindow(WindowId id) override;
    void showErrorBox(WindowId owner, const std::u16string& title,
                      const std::u16string& message) override;
    void quit(int exitCode) override;

    ApplicationPresenter application{*this};
    ui::Form1::Clock clock;
    std::unique_ptr<ui::Form1> form1;
    std::map<WindowId, Factory> factories;
    std::map<WindowId, std::unique_ptr<ui::CardWindow>> secondary;
};

} // namespace velkorn::app
