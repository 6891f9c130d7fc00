// The floors of the Qt program, measured beside it by `make bench`: a
// frameless window of the main window's size with one focused line edit and
// one label, the least a Qt Widgets program with a box can start with; and,
// given "clock", the same with the label showing the time, set by a 500 ms
// timer only when the second changes, the program's idle work.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTime>
#include <QTimer>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(298, 357);
    QLineEdit box(&window);
    box.setGeometry(20, 20, 120, 20);
    QLabel label(QStringLiteral("Time:"), &window);
    label.setGeometry(160, 320, 120, 17);
    QTimer clock;
    if (argc > 1 && std::strcmp(argv[1], "clock") == 0) {
        const auto tick = [&label] {
            const QString now = QTime::currentTime().toString(Qt::TextDate);
            if (label.text() != now) {
                label.setText(now);
            }
        };
        tick();
        QObject::connect(&clock, &QTimer::timeout, &label, tick);
        clock.start(500);
    }
    window.show();
    box.setFocus();
    return QApplication::exec();
}
