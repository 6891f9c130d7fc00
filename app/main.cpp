#include "applicationframe.h"
#include "fontconfigwarmup.h"
#include "formbuilder.h"
#include "messageboxreporter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // On X11 the window is small and the clock repaints a strip of it every
    // second. Shared-memory images cost a round trip to the server and a
    // thread wake-up for each repaint; plain image requests are cheaper at
    // this size (about a quarter less CPU while idle). A user's own setting
    // wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    velkorn::app::FontconfigWarmUp fonts;
    QApplication application(argc, argv);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral("velkorn-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkorn Calculator"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKORN_APP_ID));
    // Closing the Help or About window only hides it; the program ends by
    // its exit label (or a close command on the main window).
    QApplication::setQuitOnLastWindowClosed(false);
    // The labels' face for everything, so that no second face is loaded for
    // the boxes' and message boxes' default.
    QApplication::setFont(velkorn::ui::sansSerifFont(8.25));

    velkorn::app::MessageBoxReporter reporter;
    velkorn::app::ApplicationFrame frame(reporter);
    frame.start();
    return QApplication::exec();
}
