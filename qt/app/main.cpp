#include "application.h"
#include "fontconfigloader.h"
#include "formbuilder.h"

#include <QApplication>

int main(int, char* argv[]) {
    // On X11 the window is small and the clock repaints a strip of it every
    // second. Shared-memory images cost a round trip to the server and a
    // thread wake-up for each repaint; plain image requests are cheaper at
    // this size (about a quarter less CPU while idle). A user's own setting
    // wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    velkorn::app::FontConfigLoader fontConfig;
    // The program takes no command line: Qt would otherwise act on its own
    // options (-qwindowgeometry, -qwindowtitle, -platform, ...). Qt's
    // environment variables stay the user's to set.
    int argumentCount = 1;
    char* arguments[] = {argv[0], nullptr};
    QApplication application(argumentCount, arguments);
    QApplication::setApplicationName(QStringLiteral("velkorn-calculator"));
    // Qt appends the display name to every window title that lacks it
    // ("Help — ..."); the titles are exactly the windows' captions.
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationVersion(QStringLiteral(VELKORN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKORN_APP_ID));
    // Closing the Help or About window only hides it; the program ends by
    // its exit label (or a close command on the main window).
    QApplication::setQuitOnLastWindowClosed(false);
    fontConfig.wait();
    // The labels' face for everything, so that no second face is loaded for
    // the boxes' and message boxes' default.
    QApplication::setFont(velkorn::ui::sansSerifFont(8.25));

    velkorn::app::Application frame;
    frame.start();
    return QApplication::exec();
}
