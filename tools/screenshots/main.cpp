// Renders the three real windows offscreen into PNG files for the README:
// the main window after 12 + 3, the Help window, and the About window in
// English and in Chinese. The clock is fixed so that the pictures only change
// when the windows do.
#include "applicationframe.h"
#include "clicklabel.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

namespace {

class SilentReporter : public velkorn::ui::ErrorReporter {
public:
    void report(const std::exception&) override {}
};

void click(const velkorn::ui::PictureCard& card, const char* name) {
    emit card.label(name)->clicked();
}

// Lets the clock tick once and everything repaint.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(700, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget& window, const QDir& folder, const char* name) {
    return window.grab().save(folder.filePath(QString::fromLatin1(name)));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    SilentReporter reporter;
    using velkorn::ui::WindowId;
    velkorn::app::ApplicationFrame frame(
        reporter, [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)); });
    frame.start();
    auto& form1 = frame.mainWindow();
    for (const char* control : {"Image1", "Image2", "Image13", "Image21"}) {
        click(form1, control);
    }
    frame.showWindow(WindowId::Help);
    frame.showWindow(WindowId::About);
    settle();
    bool ok = save(form1, folder, "main-window.png");
    ok = save(*frame.window(WindowId::Help), folder, "help-window.png") && ok;
    ok = save(*frame.window(WindowId::About), folder, "about-window.png") && ok;
    click(*frame.window(WindowId::About), "Label5");
    settle();
    ok = save(*frame.window(WindowId::About), folder, "about-window-chinese.png") && ok;
    return ok ? 0 : 1;
}
