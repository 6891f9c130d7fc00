#include "velkorn/applicationpresenter.h"

#include "velkorn/utf8_text.h"

namespace velkorn {

void ApplicationPresenter::start() {
    showWindow(WindowId::Main);
}

void ApplicationPresenter::create(WindowId id) {
    view.createWindow(id);
    created[index(id)] = true;
    view.centreWindow(id);
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

void ApplicationPresenter::reportError(WindowId origin, std::string_view message) {
    view.showErrorBox(origin, kErrorBoxTitle, toUtf16(message));
}

} // namespace velkorn
