// Renders the three real windows offscreen into PNG files for the README:
// the main window after 12 + 3, the Help window, and the About window in
// English and in Chinese. The clock is fixed so that the pictures only change
// when the windows do. An optional suffix names a second set, for example
// "@2x" for a run with QT_SCALE_FACTOR=2.
#include "application.h"
#include "clicklabel.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// A left click in the middle of a control, as a person makes it.
void click(const velkorn::ui::CardWindow& card, const char* name) {
    QWidget* control = card.control(name);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

// Lets the clock tick once and everything repaint.
void settle() {
    QEventLoop loop;
    QTimer::singleShot(700, &loop, &QEventLoop::quit);
    loop.exec();
}

QString suffix;

bool save(QWidget& window, const QDir& folder, const char* name) {
    return window.grab().save(
        folder.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER [SUFFIX]\n", argv[0]);
        return 2;
    }
    if (argc == 3) {
        suffix = QString::fromLocal8Bit(argv[2]);
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    using velkorn::WindowId;
    velkorn::app::Application frame(
        [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 5, 9)); });
    frame.start();
    auto& form1 = frame.mainWindow();
    for (const char* control : {"Image1", "Image2", "Image13", "Image21"}) {
        click(form1, control);
    }
    frame.host().showWindow(WindowId::Help);
    frame.host().showWindow(WindowId::About);
    settle();
    bool ok = save(form1, folder, "main-window");
    ok = save(*frame.window(WindowId::Help), folder, "help-window") && ok;
    ok = save(*frame.window(WindowId::About), folder, "about-window") && ok;
    click(*frame.window(WindowId::About), "Label5");
    settle();
    ok = save(*frame.window(WindowId::About), folder, "about-window-chinese") && ok;
    return ok ? 0 : 1;
}
