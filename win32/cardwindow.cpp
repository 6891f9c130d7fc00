#include "cardwindow.h"

#include "accessiblename.h"
#include "clickbutton.h"
#include "icons.h"
#include "widetext.h"

#include "velkorn/twips.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

namespace velkorn::win32 {
namespace {

constexpr int kFirstControlId = 100;
// Posted to a new card: its boxes are named for screen readers once the
// window shows (loading the accessibility support takes a while).
constexpr UINT kNameBoxes = WM_APP + 1;
constexpr double kSmallestPointSize = 6.0;
constexpr wchar_t kFontFace[] = L"MS Sans Serif";

// The labels' and boxes' face at a size and DPI, made once and kept until
// the program ends.
HFONT sansSerifFont(double pointSize, UINT dpi) {
    static std::map<std::pair<int, UINT>, HFONT> fonts;
    const int hundredths = static_cast<int>(std::lround(pointSize * 100));
    const auto key = std::make_pair(hundredths, dpi);
    if (const auto found = fonts.find(key); found != fonts.end()) {
        return found->second;
    }
    const int height = -MulDiv(hundredths, static_cast<int>(dpi), 7200);
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, kFontFace);
    return fonts.emplace(key, font).first->second;
}

int textColour(TextRole role) {
    return role == TextRole::HighlightedText ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT;
}

const char* accessibleName(const ControlDescription& entry) {
    return entry.accessibleName != nullptr ? entry.accessibleName : entry.toolTip;
}

std::wstring className(const FormDescription& description) {
    return L"Velkorn." + widen(description.name);
}

} // namespace

CardWindow::CardWindow(const FormDescription& description, FormHost& host,
                       std::span<const std::string_view> clickable)
    : host(host), description(description) {
    createWindow();
    buildControls(clickable);
    layout();
}

CardWindow::~CardWindow() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
}

void CardWindow::createWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name = className(description);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, name.c_str(), &windowClass) == FALSE) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &CardWindow::windowProcedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hIcon = loadIcon(description.icon, GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = loadIcon(description.icon, GetSystemMetrics(SM_CXSMICON));
        windowClass.lpszClassName = name.c_str();
        RegisterClassExW(&windowClass);
    }
    CreateWindowExW(0, name.c_str(), widen(description.caption).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                    0, 0, twipsToPixels(description.clientWidth),
                    twipsToPixels(description.clientHeight), nullptr, nullptr, instance, this);
    dpi = GetDpiForWindow(window);
    toolTips =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
}

// Front to back, as the description lists them: a new child window goes on
// top of its siblings, so each is sent below those made before it, and
// lies under them where they overlap.
void CardWindow::buildControls(std::span<const std::string_view> clickable) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    controls.reserve(description.controls.size());
    int id = kFirstControlId;
    for (const ControlDescription& entry : description.controls) {
        const char* name = accessibleName(entry);
        Control control;
        control.entry = &entry;
        control.caption = widen(entry.caption);
        control.toolTip = entry.toolTip != nullptr ? widen(entry.toolTip) : std::wstring();
        // Screen readers read a control's window text.
        control.named = name == nullptr;
        const DWORD shown = entry.visible ? WS_VISIBLE : 0;
        const std::wstring text = name != nullptr ? widen(name) : control.caption;
        if (entry.kind == ControlKind::TextBox) {
            control.window = CreateWindowExW(
                0, L"EDIT", L"",
                WS_CHILD | shown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | WS_CLIPSIBLINGS, 0, 0,
                0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
            // Fifteen characters take at most thirty UTF-16 units; the form
            // keeps the boxes to fifteen characters.
            SendMessageW(control.window, EM_LIMITTEXT, 30, 0);
        } else if (std::find(clickable.begin(), clickable.end(), entry.name) != clickable.end()) {
            control.window = CreateWindowExW(
                0, L"BUTTON", text.c_str(), WS_CHILD | shown | BS_OWNERDRAW | WS_CLIPSIBLINGS, 0, 0,
                0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
            makeClickButton(control.window);
        } else {
            // SS_NOTIFY: the label takes the presses on it, so they never
            // reach the card and drag it.
            control.window = CreateWindowExW(
                0, L"STATIC", text.c_str(),
                WS_CHILD | shown | SS_OWNERDRAW | SS_NOTIFY | WS_CLIPSIBLINGS, 0, 0, 0, 0, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        }
        SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        controls.push_back(std::move(control));
        ++id;
    }
    for (Control& control : controls) {
        addToolTip(control);
    }
    PostMessageW(window, kNameBoxes, 0, 0);
}

void CardWindow::nameBoxes() {
    for (const Control& control : controls) {
        const char* name = accessibleName(*control.entry);
        if (control.entry->kind == ControlKind::TextBox && name != nullptr) {
            setAccessibleName(control.window, widen(name));
        }
    }
}

void CardWindow::addToolTip(Control& control) {
    if (control.toolTip.empty()) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    tool.lpszText = control.toolTip.data();
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void CardWindow::layout() {
    SetWindowPos(window, nullptr, 0, 0, twipsToPixels(description.clientWidth, int(dpi)),
                 twipsToPixels(description.clientHeight, int(dpi)),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    background = &loadPicture(description.background, dpi);
    for (Control& control : controls) {
        const ControlDescription& entry = *control.entry;
        const PixelRect area =
            twipsToRect(entry.left, entry.top, entry.width, entry.height, int(dpi));
        control.area = {area.x, area.y, area.x + area.width, area.y + area.height};
        if (entry.picture != nullptr) {
            // A picture is shown at its own size.
            control.picture = &loadPicture(entry.picture, dpi);
            control.area.right = area.x + control.picture->width;
            control.area.bottom = area.y + control.picture->height;
        }
        SetWindowPos(control.window, nullptr, control.area.left, control.area.top,
                     control.area.right - control.area.left, control.area.bottom - control.area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (entry.kind == ControlKind::TextBox) {
            SendMessageW(control.window, WM_SETFONT,
                         reinterpret_cast<WPARAM>(sansSerifFont(entry.pointSize, dpi)), TRUE);
        }
    }
    // Later in the list is further back.
    for (auto front = controls.begin(); front != controls.end(); ++front) {
        front->labelsBehind.clear();
        for (auto behind = front + 1; behind != controls.end(); ++behind) {
            RECT overlap;
            if (behind->entry->kind == ControlKind::Label && !behind->entry->background &&
                IntersectRect(&overlap, &front->area, &behind->area)) {
                front->labelsBehind.push_back(&*behind);
            }
        }
    }
}

HWND CardWindow::control(std::string_view name) const {
    for (const Control& control : controls) {
        if (control.entry->name == name) {
            return control.window;
        }
    }
    return nullptr;
}

const CardWindow::Control* CardWindow::find(HWND child) const {
    for (const Control& control : controls) {
        if (control.window == child) {
            return &control;
        }
    }
    return nullptr;
}

void CardWindow::show() {
    if (!placed) {
        placed = true;
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        RECT area;
        GetWindowRect(window, &area);
        const RECT& work = monitor.rcWork;
        SetWindowPos(window, nullptr,
                     work.left + (work.right - work.left - (area.right - area.left)) / 2,
                     work.top + (work.bottom - work.top - (area.bottom - area.top)) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void CardWindow::hide() {
    ShowWindow(window, SW_HIDE);
}

void CardWindow::setCaption(std::string_view name, const std::wstring& caption) {
    for (Control& control : controls) {
        if (control.entry->name != name) {
            continue;
        }
        if (control.caption == caption) {
            return;
        }
        control.caption = caption;
        if (control.named) {
            SetWindowTextW(control.window, caption.c_str());
        }
        // Drawn whole, background first, so the old text never shows.
        InvalidateRect(control.window, nullptr, FALSE);
        return;
    }
}

LRESULT CALLBACK CardWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* card =
            static_cast<CardWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        card->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(card));
    }
    auto* card = reinterpret_cast<CardWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && card != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        card->window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return card != nullptr ? card->handleMessage(message, wParam, lParam)
                           : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CardWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the background picture covers the whole window
    case WM_DRAWITEM:
        drawControl(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (const Control* control = find(reinterpret_cast<HWND>(lParam))) {
            if (HIWORD(wParam) == BN_CLICKED && control->entry->kind != ControlKind::TextBox) {
                Control_Click(control->entry->name);
            } else if (HIWORD(wParam) == EN_CHANGE) {
                Box_Change(control->window);
            }
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Form_MouseDown(message);
        return 0;
    case WM_MOUSEMOVE:
        Form_MouseMove(wParam);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        Form_MouseUp();
        return 0;
    case WM_CAPTURECHANGED:
        pressedButton = 0;
        movingByHand = false;
        return 0;
    case WM_TIMER:
        Form_Timer(wParam);
        return 0;
    case WM_ACTIVATE:
        // The focus comes back to the box that had it.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus = focus != nullptr && IsChild(window, focus) ? focus : lastFocus;
        } else if (lastFocus != nullptr) {
            SetFocus(lastFocus);
        }
        return 0;
    case WM_DPICHANGED:
        Form_DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        Form_Close();
        return 0;
    case kNameBoxes:
        nameBoxes();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void CardWindow::paint() {
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(window, &paintStruct);
    drawPicture(dc, *background, 0, 0);
    EndPaint(window, &paintStruct);
}

void CardWindow::drawControl(const DRAWITEMSTRUCT& item) {
    const Control* control = find(item.hwndItem);
    if (control == nullptr) {
        return;
    }
    // Labels are transparent: what lies under the control shows through,
    // the card's picture and the captions of labels behind it ("Date:"
    // under the date's right-hand end).
    const RECT& area = control->area;
    drawPicture(item.hDC, *background, -area.left, -area.top);
    for (const Control* behind : control->labelsBehind) {
        if (IsWindowVisible(behind->window)) {
            const RECT& other = behind->area;
            drawCaption(item.hDC, *behind,
                        {other.left - area.left, other.top - area.top, other.right - area.left,
                         other.bottom - area.top});
        }
    }
    if (control->picture != nullptr) {
        drawPicture(item.hDC, *control->picture, 0, 0);
        return;
    }
    const ControlDescription& entry = *control->entry;
    if (entry.background) {
        HBRUSH fill = CreateSolidBrush(
            RGB(entry.background->red, entry.background->green, entry.background->blue));
        FillRect(item.hDC, &item.rcItem, fill);
        DeleteObject(fill);
    }
    drawCaption(item.hDC, *control, item.rcItem);
}

// Drawn smaller when it would not fit (a long regional time format, a wider
// fallback font), so that it is never cut off.
void CardWindow::drawCaption(HDC dc, const Control& control, RECT area) {
    const ControlDescription& entry = *control.entry;
    const std::wstring& text = control.caption;
    const LONG width = area.right - area.left;
    const auto fits = [&](double pointSize) {
        SelectObject(dc, sansSerifFont(pointSize, dpi));
        SIZE needed{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
        return needed.cx <= width;
    };
    HGDIOBJ previous = SelectObject(dc, sansSerifFont(entry.pointSize, dpi));
    // Fonts come in whole pixels: a quarter point smaller at a time.
    for (double pointSize = entry.pointSize; !fits(pointSize) && pointSize > kSmallestPointSize;) {
        pointSize = std::max(pointSize - 0.25, kSmallestPointSize);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(textColour(entry.textRole)));
    const UINT alignment = entry.alignment == Alignment::Centre ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              alignment | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

void CardWindow::Form_MouseDown(UINT message) {
    pressedButton = message;
    GetCursorPos(&pressedAt);
    RECT area;
    GetWindowRect(window, &area);
    grabOffset = {pressedAt.x - area.left, pressedAt.y - area.top};
    SetCapture(window);
}

// The drag starts once the pointer has gone past the system's drag distance
// with the button still down: started on the press, the system's move could
// begin after a quick click's release and leave the window following the
// pointer. A left drag is then the system's; the system's move ends on the
// left button's release only (under X11 the window manager's does), so the
// other buttons move the window by hand.
void CardWindow::Form_MouseMove(WPARAM buttons) {
    if (pressedButton == 0) {
        return;
    }
    const WPARAM held = pressedButton == WM_LBUTTONDOWN   ? MK_LBUTTON
                        : pressedButton == WM_RBUTTONDOWN ? MK_RBUTTON
                                                          : MK_MBUTTON;
    if ((buttons & held) == 0) {
        Form_MouseUp();
        return;
    }
    POINT pointer;
    GetCursorPos(&pointer);
    if (!movingByHand && std::abs(pointer.x - pressedAt.x) <= GetSystemMetrics(SM_CXDRAG) &&
        std::abs(pointer.y - pressedAt.y) <= GetSystemMetrics(SM_CYDRAG)) {
        return;
    }
    // The grabbed point stays under the pointer: the system moves the
    // window from where the pointer is now, so it catches up first.
    SetWindowPos(window, nullptr, pointer.x - grabOffset.x, pointer.y - grabOffset.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (pressedButton == WM_LBUTTONDOWN) {
        pressedButton = 0;
        beginWindowDrag();
    } else {
        movingByHand = true;
    }
}

void CardWindow::Form_MouseUp() {
    movingByHand = false;
    if (pressedButton != 0) {
        pressedButton = 0;
        ReleaseCapture();
    }
}

void CardWindow::beginWindowDrag() {
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void CardWindow::Form_DpiChanged(UINT newDpi, const RECT& suggested) {
    dpi = newDpi;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
    InvalidateRect(window, nullptr, TRUE);
}

} // namespace velkorn::win32
