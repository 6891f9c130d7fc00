#include "cardwindow.h"

#include "cardpainting.h"
#include "icons.h"
#include "widetext.h"

#include "velkorn/twips.h"

#include <commctrl.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace velkorn::win32 {
namespace {

// Fires once the card has nothing else to do, its first paint included
// (timers come last of all messages): the tool tips and the icons, which
// the first frame does not show, wait for it.
constexpr UINT_PTR kAfterFirstFrameTimer = 0x7001;

// Posted to the card for each task the presenter leaves for the message
// loop.
constexpr UINT kPostedTask = WM_APP + 3;

std::wstring className(const FormDescription& description) {
    return L"Velkorn." + widen(description.name);
}

UINT heldFlag(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return MK_LBUTTON;
    case MouseButton::Right:
        return MK_RBUTTON;
    case MouseButton::Middle:
        return MK_MBUTTON;
    }
    return 0;
}

// Where the pointer was when the message was sent, not where it is now: a
// card that lags behind a quick drag still follows every step of it.
Point cursor() {
    const DWORD position = GetMessagePos();
    return {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
}

// Windows' "underline access keys" setting: the cues always.
bool keyboardCuesAlways() {
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) != FALSE && always != FALSE;
}

POINT clientPoint(LPARAM at) {
    return {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
}

} // namespace

CardWindow::CardWindow(const FormDescription& description) : description(description) {
    createWindow();
    controls = buildControls(window, description);
    // The live region, a static control of no size that screen readers
    // find before its first announcement.
    liveText = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
    SetTimer(window, kAfterFirstFrameTimer, USER_TIMER_MINIMUM, nullptr);
}

CardWindow::~CardWindow() {
    if (window != nullptr) {
        // The derived window and its presenter are gone: no message may
        // reach them while the window is destroyed.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
}

void CardWindow::present() {
    presenter().contrastChanged(highContrast());
    presenter().keyCuesAlways(keyboardCuesAlways());
    presenter().load(scale(), static_cast<int>(dpi));
}

DragSettings CardWindow::dragSettings() {
    return {.distance = {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)},
            .systemMoveOnPress = false};
}

void CardWindow::createWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring name = className(description);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, name.c_str(), &windowClass) == FALSE) {
        windowClass.cbSize = sizeof(windowClass);
        // Double clicks told apart: the second press of one is no click.
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &CardWindow::windowProcedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = name.c_str();
        RegisterClassExW(&windowClass);
    }
    // WS_SYSMENU: the window menu (Alt+Space) with Move and Close, the
    // keyboard's way to move a window without a title bar.
    CreateWindowExW(0, name.c_str(), widen(description.caption).c_str(),
                    WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0,
                    twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight),
                    nullptr, nullptr, instance, this);
    dpi = GetDpiForWindow(window);
}

void CardWindow::addDecorations() {
    toolTips = addToolTips(window, controls, shown());
    setIcons();
}

// For the taskbar and the window switcher.
void CardWindow::setIcons() {
    const auto set = [this](WPARAM which, int metric) {
        SendMessageW(
            window, WM_SETICON, which,
            reinterpret_cast<LPARAM>(loadIcon(description.icon, GetSystemMetrics(metric))));
    };
    set(ICON_BIG, SM_CXICON);
    set(ICON_SMALL, SM_CXSMICON);
}

void CardWindow::layOut(const CardLayout& layout) {
    SetWindowPos(window, nullptr, 0, 0, layout.client.width, layout.client.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    background = &loadPicture(layout.background, dpi);
    placeControls(controls, layout);
    cues = layout.cues;
    updateToolTips(window, toolTips, controls, shown());
    InvalidateRect(window, nullptr, FALSE);
}

const CardControl& CardWindow::find(std::string_view name) const {
    if (const CardControl* control = findControl(controls, name)) {
        return *control;
    }
    throw std::invalid_argument("no control " + std::string(name));
}

HWND CardWindow::control(std::string_view name) const {
    return find(name).window;
}

RECT CardWindow::controlArea(std::string_view name) const {
    return find(name).area;
}

ShownControl CardWindow::shown() {
    return [this](std::string_view name) { return presenter().isShown(name); };
}

std::span<const KeyCue> CardWindow::shownCues() const {
    return cuesShown ? std::span<const KeyCue>(cues) : std::span<const KeyCue>();
}

int CardWindow::toTwips(int pixels) const {
    return pixelToTwips(pixels, static_cast<int>(dpi));
}

PixelRect CardWindow::workArea() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

Point CardWindow::windowSize() const {
    RECT area;
    GetWindowRect(window, &area);
    return {area.right - area.left, area.bottom - area.top};
}

void CardWindow::focusControl(std::string_view name) {
    SetFocus(name.empty() ? window : control(name));
}

void CardWindow::postTask(std::function<void()> task) {
    postedTasks.push_back(std::move(task));
    PostMessageW(window, kPostedTask, 0, 0);
}

void CardWindow::runPostedTask() {
    if (postedTasks.empty()) {
        return;
    }
    const std::function<void()> task = std::move(postedTasks.front());
    postedTasks.pop_front();
    task();
}

void CardWindow::show() {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void CardWindow::hide() {
    ShowWindow(window, SW_HIDE);
}

void CardWindow::setCaption(std::string_view name, const std::u16string& text, double pointSize) {
    auto& control = const_cast<CardControl&>(find(name));
    const std::wstring caption(text.begin(), text.end());
    if (caption == control.caption && pointSize == control.pointSize) {
        return; // as the control already shows it
    }
    control.caption = caption;
    control.pointSize = pointSize;
    drawNow(control.area);
}

// Only that area is drawn again, with what lies behind and in front of it
// there, and at once, as a label window draws its new text: the clock's
// second then costs no paint message, nor the caret's hiding around one.
void CardWindow::drawNow(const RECT& area) {
    if (background == nullptr || !IsWindowVisible(window)) {
        InvalidateRect(window, &area, FALSE); // drawn whole when shown
        return;
    }
    HDC dc = GetDC(window);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paintCard({dc, area, dpi}, *background, controls, shown(), shownCues());
    ReleaseDC(window, dc);
}

double CardWindow::captionWidth(const std::u16string& text, double pointSize) const {
    return textWidth(std::wstring(text.begin(), text.end()), pointSize, dpi);
}

double CardWindow::controlWidth(std::string_view name) const {
    const RECT& area = find(name).area;
    return area.right - area.left;
}

// The presenter has already noted the change: what is drawn and what the
// tool tips and screen readers meet follow it.
void CardWindow::setControlVisible(std::string_view name, bool visible) {
    const CardControl& control = find(name);
    if (control.window != nullptr) {
        ShowWindow(control.window, visible ? SW_SHOW : SW_HIDE);
    } else {
        InvalidateRect(window, &control.area, FALSE);
        updateToolTips(window, toolTips, controls, shown());
    }
    accessible.controlShown(name, visible);
}

void CardWindow::setControlChecked(std::string_view name, bool) {
    accessible.controlChecked(name); // the state is read from the presenter
}

void CardWindow::showLiveText(const std::u16string& text) {
    liveRegion.showText(liveText, std::wstring(text.begin(), text.end()));
}

void CardWindow::showKeyCues(bool shown) {
    cuesShown = shown;
    for (const KeyCue& cue : cues) {
        const RECT area{cue.area.x, cue.area.y, cue.area.x + cue.area.width,
                        cue.area.y + cue.area.height};
        drawNow(area);
    }
}

void CardWindow::beep() {
    MessageBeep(MB_OK);
}

Point CardWindow::windowPosition() const {
    RECT area;
    GetWindowRect(window, &area);
    return {area.left, area.top};
}

void CardWindow::moveWindowTo(Point topLeft) {
    SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CardWindow::startSystemMove(MouseButton, Point) {
    // The system moves the window as if its caption had been grabbed, until
    // the left button comes up; this returns when the move is over.
    ReleaseCapture();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return true;
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
    if (card == nullptr || message == WM_NCCREATE) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        card->window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Nothing may unwind through user32: a failure in a handler ends that
    // message only, said to a debugger (a misspelt control name, say).
    try {
        return card->handleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        OutputDebugStringA((std::string("Velkorn Calculator: ") + error.what() + "\n").c_str());
    } catch (...) {
        OutputDebugStringA("Velkorn Calculator: a handler failed\n");
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CardWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        relayToToolTips(message, wParam, lParam);
    }
    if (LRESULT result = 0; windowMessage(message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the background picture covers the whole window
    case WM_TIMER:
        if (wParam == kAfterFirstFrameTimer) {
            KillTimer(window, kAfterFirstFrameTimer);
            presenter().framePainted();
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pointerPressed(MouseButton::Left, message == WM_LBUTTONDBLCLK, lParam);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        pointerPressed(MouseButton::Right, message == WM_RBUTTONDBLCLK, lParam);
        return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        pointerPressed(MouseButton::Middle, message == WM_MBUTTONDBLCLK, lParam);
        return 0;
    case WM_MOUSEMOVE:
        pointerMoved(wParam);
        return 0;
    case WM_LBUTTONUP:
        pointerReleased(MouseButton::Left, wParam, lParam);
        return 0;
    case WM_RBUTTONUP:
        pointerReleased(MouseButton::Right, wParam, lParam);
        return 0;
    case WM_MBUTTONUP:
        pointerReleased(MouseButton::Middle, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        presenter().pointerLost();
        return 0;
    case WM_ACTIVATE:
        activated(wParam);
        return 0;
    case kCardKey:
        return presenter().keyPressed(*reinterpret_cast<const KeyPress*>(lParam)) ==
                       CardPresenter::KeyRoute::Shortcut
                   ? 1
                   : 0;
    case kCardKeyUp:
        presenter().keyReleased(*reinterpret_cast<const KeyPress*>(lParam));
        return 0;
    case WM_GETOBJECT: {
        LRESULT answer = 0;
        return accessible.answer(wParam, lParam, answer)
                   ? answer
                   : DefWindowProcW(window, message, wParam, lParam);
    }
    case kPostedTask:
        runPostedTask();
        return 0;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETKEYBOARDCUES) {
            presenter().keyCuesAlways(keyboardCuesAlways());
            return 0;
        }
        if (wParam != SPI_SETHIGHCONTRAST) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        [[fallthrough]];
    case WM_SYSCOLORCHANGE:
        // High contrast switched on or off: every caption in its new colours.
        presenter().contrastChanged(highContrast());
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return 0;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CLOSE:
        presenter().closeCommand();
        return 0;
    case WM_SYSCOMMAND:
        // Alt pressed and released alone would open a menu bar the card
        // does not have, and leave the keyboard in an unseen menu mode.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) {
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// The pointer's moves over the card shown to its tool tips by hand: had
// they subclassed the card, every message to it, the clock's twice a second
// among them, would pass through their hook first.
void CardWindow::relayToToolTips(UINT message, WPARAM wParam, LPARAM lParam) {
    if (toolTips == nullptr) {
        return;
    }
    const DWORD position = GetMessagePos();
    MSG relayed{window,
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
    SendMessageW(toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void CardWindow::paint() {
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(window, &paintStruct);
    paintCard({dc, paintStruct.rcPaint, dpi}, *background, controls, shown(), shownCues());
    EndPaint(window, &paintStruct);
}

// Held until the release: a click's press waits for it over the same
// control, a drag follows the pointer.
void CardWindow::pointerPressed(MouseButton button, bool secondOfDouble, LPARAM at) {
    SetCapture(window);
    const POINT point = clientPoint(at);
    presenter().pointerPressed(toTwips(point.x), toTwips(point.y), button, secondOfDouble,
                               cursor());
}

void CardWindow::pointerMoved(WPARAM buttons) {
    const WindowDrag& drag = presenter().windowDrag();
    if (drag.state() == WindowDrag::State::Idle) {
        return;
    }
    presenter().pointerMoved(cursor(), (buttons & heldFlag(drag.button())) != 0);
    if (drag.state() == WindowDrag::State::Idle && GetCapture() == window) {
        ReleaseCapture(); // the button came up elsewhere
    }
}

void CardWindow::pointerReleased(MouseButton button, WPARAM buttonsHeld, LPARAM at) {
    const POINT point = clientPoint(at);
    presenter().pointerReleased(button, toTwips(point.x), toTwips(point.y));
    // The last button up: neither a click nor a drag holds the pointer.
    const bool anyHeld = (buttonsHeld & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0;
    if (!anyHeld && GetCapture() == window) {
        ReleaseCapture();
    }
}

// The presenter gives the focus back where it was; the card itself takes
// it where no control does, so that keys arrive as keys and not as menu
// characters (which beep).
void CardWindow::activated(WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE) {
        presenter().activated();
        return;
    }
    presenter().deactivated();
    HWND focus = GetFocus();
    for (const CardControl& control : controls) {
        if (control.window != nullptr && control.window == focus) {
            presenter().focusMoved(control.entry->name);
        }
    }
}

void CardWindow::dpiChanged(UINT newDpi, const RECT& suggested) {
    const double ratio = static_cast<double>(newDpi) / dpi;
    dpi = newDpi;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    presenter().windowScaled(ratio);
    presenter().scaleChanged(scale(), static_cast<int>(dpi));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace velkorn::win32
