// The floor of any Win32 program here: a bare borderless WS_POPUP window of
// the main window's size and nothing else, measured under Wine beside the
// calculator by `make bench`.
#include <windows.h>

namespace {

LRESULT CALLBACK floorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
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
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
