#include "applicationframe.h"

#include "secondarywindows.h"

#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace velkorn::app {

ApplicationFrame::ApplicationFrame(ui::Form1::Clock clock) : clock(std::move(clock)) {
    setFactory(WindowId::Help, [](FormHost& host) {
        return std::make_unique<ui::Form2>(form2Description(), host);
    });
    setFactory(WindowId::About, [](FormHost& host) {
        return std::make_unique<ui::Form3>(form3Description(), host);
    });
}

ApplicationFrame::~ApplicationFrame() = default;

void ApplicationFrame::setFactory(WindowId id, Factory factory) {
    factories[id] = std::move(factory);
}

ui::PictureCard* ApplicationFrame::window(WindowId id) const {
    if (id == WindowId::Main) {
        return form1.get();
    }
    const auto found = secondary.find(id);
    return found == secondary.end() ? nullptr : found->second.get();
}

void ApplicationFrame::createWindow(WindowId id) {
    if (id == WindowId::Main) {
        form1 = std::make_unique<ui::Form1>(application, clock);
    } else {
        secondary[id] = factories.at(id)(application);
    }
}

void ApplicationFrame::centreWindow(WindowId id) {
    window(id)->centreOnScreen();
}

void ApplicationFrame::showWindow(WindowId id) {
    ui::PictureCard* card = window(id);
    card->show();
    card->raise();
    card->activateWindow();
}

void ApplicationFrame::hideWindow(WindowId id) {
    window(id)->hide();
}

void ApplicationFrame::showErrorBox(WindowId owner, const std::u16string& title,
                                    const std::u16string& message) {
    const QString text = QString::fromStdU16String(message);
    QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(title), text,
                    QMessageBox::Ok, window(owner));
    emit errorShown(owner, text);
    box.exec();
}

void ApplicationFrame::quit(int exitCode) {
    emit programEnded();
    QCoreApplication::exit(exitCode);
}

} // namespace velkorn::app
