#include "application.h"

#include "form1.h"
#include "keychordmessage.h"

#include "velkorn/presentedcard.h"

#include <utility>

namespace velkorn::win32 {
namespace {

std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}

// Wine's message box is as wide as its message and cuts its title to fit:
// a box too narrow for its title is widened as it is activated, its button
// kept in the middle.
void widenForTitle(HWND box) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    wchar_t title[128] = {};
    const int length = GetWindowTextW(box, title, 128);
    HDC dc = GetDC(box);
    HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, title, length, &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(box, dc);
    RECT area;
    GetWindowRect(box, &area);
    const int growth =
        errorBoxWidth(size.cx, GetSystemMetrics(SM_CYCAPTION)) - (area.right - area.left);
    if (growth <= 0) {
        return;
    }
    SetWindowPos(box, nullptr, area.left - growth / 2, area.top, area.right - area.left + growth,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
    HWND button = GetDlgItem(box, IDOK);
    RECT place;
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(button, nullptr, place.left + growth / 2, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

thread_local HHOOK errorBoxHook = nullptr;

LRESULT CALLBACK errorBoxActivated(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && errorBoxHook != nullptr) {
        widenForTitle(reinterpret_cast<HWND>(wParam));
        UnhookWindowsHookEx(std::exchange(errorBoxHook, nullptr));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Only keys concern the windows' own keys and the dialog keys (Tab); the
// rest (timers, the caret, paints) goes straight to its window.
bool isKey(const MSG& message) {
    return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
}

// A key that the window took for itself, or the dialog keys moved by.
bool keyTaken(MSG& message) {
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (root == nullptr) {
        return false;
    }
    // The window's shortcuts, whatever control has the focus: a box would
    // take Alt and a letter as a menu character, and beep. Releases show
    // the card that Alt is up.
    const KeyPress press = keyPress(message);
    if (isKeyUp(message)) {
        SendMessageW(root, kCardKeyUp, 0, reinterpret_cast<LPARAM>(&press));
    } else if (isKeyDown(message) &&
               SendMessageW(root, kCardKey, 0, reinterpret_cast<LPARAM>(&press)) != 0) {
        return true;
    }
    // Tab moves between the boxes of the window.
    return IsDialogMessageW(root, &message) != FALSE;
}

} // namespace

Application::Application() = default;

// The secondary windows go first: an array's elements are destroyed last
// to first.
Application::~Application() = default;

int Application::run() {
    application.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (isKey(message) && keyTaken(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

CardWindow& Application::window(WindowId id) const {
    return *windows[static_cast<int>(id)];
}

CardPresenter& Application::createWindow(WindowId id) {
    auto& slot = windows[static_cast<int>(id)];
    slot = makeCard<CardWindow, Form1>(id, application);
    return slot->presenter();
}

void Application::showWindow(WindowId id) {
    window(id).show();
}

void Application::hideWindow(WindowId id) {
    window(id).hide();
}

void Application::showErrorBox(WindowId owner, const std::u16string& title,
                               const std::u16string& message) {
    errorBoxHook = SetWindowsHookExW(WH_CBT, &errorBoxActivated, nullptr, GetCurrentThreadId());
    MessageBoxW(window(owner).handle(), wide(message).c_str(), wide(title).c_str(),
                MB_OK | MB_ICONERROR);
    if (errorBoxHook != nullptr) {
        UnhookWindowsHookEx(std::exchange(errorBoxHook, nullptr));
    }
    application.errorBoxDismissed();
}

void Application::quit(int exitCode) {
    PostQuitMessage(exitCode);
}

} // namespace velkorn::win32
