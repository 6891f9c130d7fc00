#include "application.h"

#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "widetext.h"

namespace velkorn::win32 {

Application::Application() = default;
Application::~Application() = default;

int Application::run() {
    form1 = std::make_unique<Form1>(*this);
    form1->show();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab moves between the boxes of the window.
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && IsDialogMessageW(root, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

CardWindow* Application::window(WindowId id) const {
    switch (id) {
    case WindowId::Main:
        return form1.get();
    case WindowId::Help:
        return help.get();
    case WindowId::About:
        return about.get();
    }
    return nullptr;
}

void Application::showWindow(WindowId id) {
    if (id == WindowId::Help && !help) {
        help = std::make_unique<Form2>(*this);
    } else if (id == WindowId::About && !about) {
        about = std::make_unique<Form3>(*this);
    }
    if (CardWindow* card = window(id)) {
        card->show();
    }
}

void Application::hideWindow(WindowId id) {
    if (id == WindowId::Main) {
        return; // the main window is shown until the program ends
    }
    if (CardWindow* card = window(id)) {
        card->hide();
    }
}

void Application::endProgram() {
    for (CardWindow* card :
         {window(WindowId::Help), window(WindowId::About), static_cast<CardWindow*>(form1.get())}) {
        if (card != nullptr) {
            card->hide();
        }
    }
    PostQuitMessage(0);
}

void Application::reportError(const std::exception& error, HWND owner) {
    MessageBoxW(owner, widen(error.what()).c_str(), L"Velkorn Calculator", MB_OK | MB_ICONERROR);
}

} // namespace velkorn::win32
