// The floor for any Qt Widgets program: an empty frameless window of the
// calculator's size. Measured beside the calculator to show how much of its
// start-up and memory is Qt's own.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.resize(298, 357);
    window.show();
    return QApplication::exec();
}
