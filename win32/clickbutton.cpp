#include "clickbutton.h"

#include <commctrl.h>

namespace velkorn::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

void click(HWND button) {
    SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

bool pointerInside(HWND button, LPARAM position) {
    RECT client;
    GetClientRect(button, &client);
    const POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    return PtInRect(&client, point) != FALSE;
}

// The button being pressed, kept in the subclass's reference data.
LRESULT CALLBACK clickProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                DWORD_PTR pressedData) {
    auto* pressed = reinterpret_cast<UINT*>(pressedData);
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // Not passed on: the button would take the focus and draw pressed.
        *pressed = message;
        SetCapture(button);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        *pressed = 0;
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const bool isClick =
            *pressed == (message == WM_LBUTTONUP ? WM_LBUTTONDOWN : WM_RBUTTONDOWN) &&
            pointerInside(button, lParam);
        *pressed = 0;
        if (GetCapture() == button) {
            ReleaseCapture();
        }
        if (isClick) {
            click(button);
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        *pressed = 0;
        return 0;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        // A button tracks the pointer for its hot look, which this one does
        // not have; under Wine that tracking polls while the pointer rests
        // over it.
        return 0;
    case BM_CLICK: // the default action of assistive technology
        click(button);
        return 0;
    case WM_ERASEBKGND:
        return 1; // drawn whole by the window
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, &clickProcedure, kSubclassId);
        delete pressed;
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

void makeClickButton(HWND button) {
    SetWindowSubclass(button, &clickProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new UINT(0)));
}

} // namespace velkorn::win32
