#include "application.h"

#include "secondarywindows.h"

#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>

namespace velkorn::app {

Application::Application(ui::Form1::Clock clock) : clock(std::move(clock)) {
    setFactory(WindowId::Help, [](FormHost& host) {
        return std::make_unique<ui::Form2>(form2Description(), host);
    });
    setFactory(WindowId::About, [](FormHost& host) {
        return std::make_unique<ui::Form3>(form3Description(), host);
    });
}

Application::~Application() = default;

void Application::setFactory(WindowId id, Factory factory) {
    factories[id] = std::move(factory);
}

ui::CardWindow* Application::window(WindowId id) const {
    if (id == WindowId::Main) {
        return form1.get();
    }
    const auto found = secondary.find(id);
    return found == secondary.end() ? nullptr : found->second.get();
}

CardPresenter& Application::createWindow(WindowId id) {
    if (id == WindowId::Main) {
        form1 = std::make_unique<ui::Form1>(application, clock);
    } else {
        secondary[id] = factories.at(id)(application);
    }
    return window(id)->presenter();
}

void Application::showWindow(WindowId id) {
    ui::CardWindow* card = window(id);
    card->show();
    card->raise();
    card->activateWindow();
}

void Application::hideWindow(WindowId id) {
    window(id)->hide();
}

void Application::showErrorBox(WindowId owner, const std::u16string& title,
                                    const std::u16string& message) {
    const QString text = QString::fromStdU16String(message);
    QMessageBox box(QMessageBox::Critical, QString::fromStdU16String(title), text,
                    QMessageBox::Ok, window(owner));
    // The title is drawn by the window manager, in a face of its own: the
    // box's, bold, stands in for it. QMessageBox sizes itself from its
    // layout, so the width is a row of it.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int width = errorBoxWidth(QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()),
                                    box.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    emit errorShown(owner, text);
    box.exec();
    application.errorBoxDismissed();
}

void Application::quit(int exitCode) {
    emit programEnded();
    QCoreApplication::exit(exitCode);
}

} // namespace velkorn::app
