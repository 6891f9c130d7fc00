#include "applicationframe.h"

#include "form2.h"
#include "form3.h"

#include <QCoreApplication>

namespace velkorn::app {


ApplicationFrame::ApplicationFrame(ui::ErrorReporter& reporter, ui::Form1::Clock clock)
    : form1(std::make_unique<ui::Form1>(reporter, std::move(clock))) {
    connect(form1.get(), &ui::Form1::windowRequested, this, &ApplicationFrame::showWindow);
    connect(form1.get(), &ui::Form1::exitRequested, this, &ApplicationFrame::endProgram);
    // The main window has no close button of its own; a close command from
    // the window manager ends the program like the exit label.
    connect(form1.get(), &ui::PictureCard::closeRequested, this, &ApplicationFrame::endProgram);
    setFactory(WindowId::Help, [] { return std::make_unique<ui::Form2>(); });
    setFactory(WindowId::About, [] { return std::make_unique<ui::Form3>(); });
}

ApplicationFrame::~ApplicationFrame() = default;

void ApplicationFrame::setFactory(WindowId id, Factory factory) {
    factories[id] = std::move(factory);
}

void ApplicationFrame::start() {
    form1->centreOnScreen();
    form1->show();
    form1->activateWindow();
}

ui::PictureCard* ApplicationFrame::window(WindowId id) const {
    if (id == WindowId::Main) {
        return form1.get();
    }
    const auto found = secondary.find(id);
    return found == secondary.end() ? nullptr : found->second.get();
}

void ApplicationFrame::showWindow(WindowId id) {
    ui::PictureCard* card = window(id);
    if (card == nullptr) {
        const auto factory = factories.find(id);
        if (factory == factories.end()) {
            return;
        }
        auto created = factory->second();
        card = created.get();
        secondary[id] = std::move(created);
        card->centreOnScreen();
        // Closing a secondary window only hides it.
        connect(card, &ui::PictureCard::closeRequested, this, [this, id] { hideWindow(id); });
    }
    card->show();
    card->raise();
    card->activateWindow();
}

void ApplicationFrame::hideWindow(WindowId id) {
    if (id == WindowId::Main) {
        return; // the main window is shown until the program ends
    }
    if (ui::PictureCard* card = window(id)) {
        card->hide();
    }
}

void ApplicationFrame::endProgram() {
    for (auto& [id, card] : secondary) {
        card->hide();
    }
    form1->hide();
    emit programEnded();
    QCoreApplication::exit(0);
}

} // namespace velkorn::app
