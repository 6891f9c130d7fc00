#include "applicationframe.h"
#include "messageboxreporter.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velkorn-calculator"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velkorn Calculator"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELKORN_APP_ID));
    // Closing the Help or About window only hides it; the program ends by
    // its exit label (or a close command on the main window).
    QApplication::setQuitOnLastWindowClosed(false);

    velkorn::app::MessageBoxReporter reporter;
    velkorn::app::ApplicationFrame frame(reporter);
    frame.start();
    return QApplication::exec();
}
