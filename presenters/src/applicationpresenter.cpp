#include "velkorn/applicationpresenter.h"

#include "velkorn/utf8_text.h"

#include <utility>

namespace velkorn {

void ApplicationPresenter::start() {
    showWindow(WindowId::Main);
}

void ApplicationPresenter::create(WindowId id) {
    CardPresenter& card = view.createWindow(id);
    cards[index(id)] = &card;
    card.centre();
}

void ApplicationPresenter::showWindow(WindowId id) {
    if (ended) {
        return;
    }
    if (!isCreated(id)) {
        create(id);
    }
    visible[index(id)] = true;
    view.showWindow(id);
}

void ApplicationPresenter::hideWindow(WindowId id) {
    // The main window is shown until the program ends.
    if (id == WindowId::Main || !isVisible(id)) {
        return;
    }
    visible[index(id)] = false;
    view.hideWindow(id);
}

void ApplicationPresenter::endProgram() {
    if (ended) {
        return;
    }
    ended = true;
    for (WindowId id : {WindowId::Help, WindowId::About, WindowId::Main}) {
        if (isVisible(id)) {
            visible[index(id)] = false;
            view.hideWindow(id);
        }
    }
    view.quit(0);
}

void ApplicationPresenter::reportError(WindowId origin, std::string_view message,
                                       std::function<void()> dismissed) {
    onDismissed = std::move(dismissed);
    view.showErrorBox(origin, kErrorBoxTitle, toUtf16(message));
}

void ApplicationPresenter::errorBoxDismissed() {
    if (auto dismissed = std::exchange(onDismissed, nullptr)) {
        dismissed();
    }
}

} // namespace velkorn
