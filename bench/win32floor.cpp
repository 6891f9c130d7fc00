// The floors of the Windows program, measured under Wine beside it by
// `make bench`: what any borderless Win32 window of the main window's size
// costs, with nothing else, with the main window's pictures, or with its
// idle work. The first argument picks one:
//
//   bare      the window alone
//   pictures  the main window's 18 pictures decoded, as the program does,
//             before the window is shown, and its background drawn
//   clock     a label that a 500 ms timer sets only when the second changes,
//             and a focused box with its blinking caret
//   hidden    no window shown: keeps Wine's desktop process running between
//             the programs, so that each of them finds it as a desktop would
#include "pictures.h"

#include "velkorn/form1description.h"

#include <windows.h>

#include <string>

namespace {

enum class Mode { Bare, Pictures, Clock, Hidden };

constexpr UINT_PTR kClockTimer = 1;
constexpr int kLabelId = 10;

const velkorn::win32::Picture* background = nullptr;

Mode modeOf(const wchar_t* argument) {
    const std::wstring mode = argument;
    if (mode == L"pictures") {
        return Mode::Pictures;
    }
    if (mode == L"clock") {
        return Mode::Clock;
    }
    if (mode == L"hidden") {
        return Mode::Hidden;
    }
    return Mode::Bare;
}

void decodePictures() {
    const velkorn::FormDescription& form = velkorn::form1Description();
    background = &velkorn::win32::loadPicture(velkorn::pictureDrawings(form.background, 1.0), 96);
    for (const velkorn::ControlDescription& control : form.controls) {
        if (control.picture != nullptr) {
            velkorn::win32::loadPicture(velkorn::pictureDrawings(control.picture, 1.0), 96);
        }
    }
}

void tick(HWND window) {
    static std::wstring shown;
    wchar_t text[64] = L"";
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text, 64);
    if (shown != text) {
        shown = text;
        SetDlgItemTextW(window, kLabelId, text);
    }
}

void addClockAndBox(HWND window) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 160, 320, 120, 17, window,
                    reinterpret_cast<HMENU>(kLabelId), instance, nullptr);
    HWND box = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 20, 120, 20,
                               window, nullptr, instance, nullptr);
    tick(window);
    SetTimer(window, kClockTimer, 500, nullptr);
    SetFocus(box);
}

LRESULT CALLBACK floorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        tick(window);
        return 0;
    case WM_PAINT:
        if (background != nullptr) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            velkorn::win32::drawPicture(dc, *background, 0, 0);
            EndPaint(window, &paint);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR argument, int) {
    const Mode mode = modeOf(argument);
    if (mode == Mode::Hidden) {
        Sleep(INFINITE);
        return 0;
    }
    if (mode == Mode::Pictures) {
        decodePictures();
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &floorProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"Velkorn.Floor";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"Velkorn.Floor", L"Floor", WS_POPUP, 363, 205, 298, 357,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    if (mode == Mode::Clock) {
        addClockAndBox(window);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
